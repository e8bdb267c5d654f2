import QtQuick
import QtQuick.Controls

// A small round button with a drawn cross, for the client-drawn title bar.
AbstractButton {
    id: button

    property color color

    implicitWidth: 22
    implicitHeight: 22
    hoverEnabled: true
    Accessible.name: qsTr("Close")
    ToolTip.visible: hovered
    ToolTip.delay: 600
    ToolTip.text: qsTr("Close")

    background: Rectangle {
        radius: width / 2
        color: button.color
        opacity: button.down ? 0.2 : button.hovered ? 0.1 : 0
    }

    contentItem: Item {
        Repeater {
            model: [45, -45]
            Rectangle {
                required property int modelData
                anchors.centerIn: parent
                width: 10
                height: 1.5
                radius: 0.75
                rotation: modelData
                color: button.color
            }
        }
    }
}
