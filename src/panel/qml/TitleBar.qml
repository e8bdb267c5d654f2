import QtQuick
import QtQuick.Controls

// A client-drawn title bar: the app's name, a drag area that moves the
// window through the window system, and a close button.
Rectangle {
    id: bar

    required property Window window
    property color background
    property color foreground
    property color hairline

    implicitHeight: 32
    color: background

    DragHandler {
        target: null
        grabPermissions: PointerHandler.CanTakeOverFromAnything
        onActiveChanged: if (active) bar.window.startSystemMove()
    }

    Label {
        anchors { left: parent.left; leftMargin: 12; verticalCenter: parent.verticalCenter }
        text: bar.window.title
        font.weight: Font.DemiBold
        color: bar.foreground
    }

    CloseButton {
        anchors { right: parent.right; rightMargin: 6; verticalCenter: parent.verticalCenter }
        color: bar.foreground
        onClicked: bar.window.close()
    }

    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: bar.hairline
    }
}
