#pragma once

#include "com/dispatch.h"

// Dispatch identities both controls share: the common properties and methods, and the
// standard and shared events.
namespace tarnwick::frame {

namespace CommonDispIds {
constexpr com::DispId AlignHorizontal = 0x01;
constexpr com::DispId AlignVertical = 0x02;
constexpr com::DispId EditMode = 0x04;
constexpr com::DispId EditModeStatus = 0x05;
constexpr com::DispId ErrorBeep = 0x06;
constexpr com::DispId MarginBottom = 0x08;
constexpr com::DispId MarginLeft = 0x09;
constexpr com::DispId MarginRight = 0x0A;
constexpr com::DispId MarginTop = 0x0B;
constexpr com::DispId MoveOnLRKey = 0x0C;
constexpr com::DispId OLEDragMode = 0x0D;
constexpr com::DispId OLEDropMode = 0x0E;
constexpr com::DispId ReadOnly = 0x0F;
constexpr com::DispId ShowContextMenu = 0x10;
constexpr com::DispId Version = 0x12;
constexpr com::DispId Caption = 0x3E8;
constexpr com::DispId Key = 0x3EB;
constexpr com::DispId BackColor = -501;
constexpr com::DispId BorderStyle = -504;
constexpr com::DispId Font = -512;
constexpr com::DispId ForeColor = -513;
constexpr com::DispId Enabled = -514;
constexpr com::DispId hWnd = -515;
constexpr com::DispId Appearance = -520;
constexpr com::DispId MousePointer = -521;
constexpr com::DispId MouseIcon = -522;
// Methods.
constexpr com::DispId Refresh = -550;
constexpr com::DispId AboutBox = -552;
constexpr com::DispId OLEDrag = 0x614;
} // namespace CommonDispIds

namespace CommonEventIds {
constexpr com::DispId Click = -600;
constexpr com::DispId DblClick = -601;
constexpr com::DispId KeyDown = -602;
constexpr com::DispId KeyPress = -603;
constexpr com::DispId KeyUp = -604;
constexpr com::DispId MouseDown = -605;
constexpr com::DispId MouseMove = -606;
constexpr com::DispId MouseUp = -607;
constexpr com::DispId MouseEnter = 0x33;
constexpr com::DispId MouseExit = 0x34;
constexpr com::DispId KeyExit = 0x37;
constexpr com::DispId OLEStartDrag = 0x60E;
constexpr com::DispId OLEGiveFeedback = 0x60F;
constexpr com::DispId OLESetData = 0x610;
constexpr com::DispId OLECompleteDrag = 0x611;
constexpr com::DispId OLEDragOver = 0x612;
constexpr com::DispId OLEDragDrop = 0x613;
} // namespace CommonEventIds

} // namespace tarnwick::frame
