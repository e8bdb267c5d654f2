import QtQuick

// Invisible strips along the window's edges and corners that resize a
// frameless window through the window system.
Item {
    id: frame

    required property Window window
    readonly property int grip: 5

    component Grip: MouseArea {
        required property int edges
        acceptedButtons: Qt.LeftButton
        onPressed: frame.window.startSystemResize(edges)
    }

    Grip { edges: Qt.LeftEdge; cursorShape: Qt.SizeHorCursor
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; topMargin: frame.grip; bottomMargin: frame.grip }
        width: frame.grip }
    Grip { edges: Qt.RightEdge; cursorShape: Qt.SizeHorCursor
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom; topMargin: frame.grip; bottomMargin: frame.grip }
        width: frame.grip }
    Grip { edges: Qt.BottomEdge; cursorShape: Qt.SizeVerCursor
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; leftMargin: frame.grip; rightMargin: frame.grip }
        height: frame.grip }
    Grip { edges: Qt.BottomEdge | Qt.LeftEdge; cursorShape: Qt.SizeBDiagCursor
        anchors { left: parent.left; bottom: parent.bottom }
        width: frame.grip * 2; height: frame.grip * 2 }
    Grip { edges: Qt.BottomEdge | Qt.RightEdge; cursorShape: Qt.SizeFDiagCursor
        anchors { right: parent.right; bottom: parent.bottom }
        width: frame.grip * 2; height: frame.grip * 2 }
}
