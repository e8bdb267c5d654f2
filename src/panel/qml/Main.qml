import QtQuick
import QtQuick.Controls
import QtQuick.Window

// The one panel window. The title bar is drawn by the panel itself: it moves
// the window when dragged, and the window edges resize it.
Window {
    id: window

    title: "Oxbell"
    width: 340
    height: 800
    minimumWidth: 320
    minimumHeight: 420
    maximumWidth: 560
    visible: true
    flags: Qt.Window | Qt.FramelessWindowHint
    color: palette.window

    SystemPalette {
        id: palette
        colorGroup: SystemPalette.Active
    }

    TitleBar {
        id: titleBar
        anchors { left: parent.left; right: parent.right; top: parent.top }
        window: window
        background: palette.window
        foreground: palette.windowText
        hairline: palette.mid
    }

    Label {
        anchors { left: parent.left; right: parent.right; top: titleBar.bottom; bottom: parent.bottom; margins: 24 }
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        color: palette.placeholderText
        text: "No companies yet.\nAdd one with pelmor --add <domain>."
    }

    WindowEdges {
        anchors.fill: parent
        window: window
    }
}
