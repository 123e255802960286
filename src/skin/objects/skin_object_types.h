// The enumerations and state codes of skin objects. Their identifiers are the names skin files
// and the object text use, so they never change.
#pragma once

#include <cstdint>

namespace brisat {

// Where a child goes inside its parent when the parent lays out its children.
enum class TSeAlign : uint8_t {
    saNone,
    saLeft,
    saMostLeft,
    saTop,
    saMostTop,
    saRight,
    saMostRight,
    saBottom,
    saMostBottom,
    saClient,
    saTopLeft,
    saTopRight,
    saBottomLeft,
    saBottomRight,
    saCenter,
    saText
};

// What part of a window or control an object stands for. skTranparent is spelt as skins store it.
enum class TSeKind : uint8_t {
    skNone,
    skForm,
    skCaption,
    skTitle,
    skTop,
    skLeft,
    skRight,
    skBottom,
    skTopLeft,
    skTopRight,
    skBottomLeft,
    skBottomRight,
    skSysButton,
    skClient,
    skMenuBar,
    skMenuBarItem,
    skMenuBarItemText,
    skPopupMenu,
    skPopupMenuItem,
    skPopupMenuItemText,
    skItemText,
    skTranparent
};

enum class TSeTextAlign : uint8_t {
    taTopLeft,
    taTopCenter,
    taTopRight,
    taLeft,
    taCenter,
    taRight,
    taBottomLeft,
    taBottomCenter,
    taBottomRight
};

enum class TSeTextEffect : uint8_t { teNone, teShadow };

enum class TscTileStyle : uint8_t { tsTile, tsStretch, tsCenter };

// What a caption button does when clicked.
enum class TSeAction : uint8_t {
    sbaNone,
    sbaClose,
    sbaHelp,
    sbaMinimize,
    sbaMaximize,
    sbaRestore,
    sbaRollUp,
    sbaRollDown,
    sbaTray,
    sbaSysMenu,
    sbaRollPanel,
    sbaCustom
};

// The edge a roll panel collapses toward the opposite one of.
enum class TSeRollKind : uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// The right-to-left mode of the control a tree is bound to.
enum class TSeBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

// State codes set with SetState. Code 1 is never set.
using TSeState = int32_t;
inline constexpr TSeState ssNormal = 0;
inline constexpr TSeState ssMaximized = 2;
inline constexpr TSeState ssMinimized = 3; // also a window hidden in the tray
inline constexpr TSeState ssRolledUp = 4;
inline constexpr TSeState ssHot = 5;
inline constexpr TSeState ssPressed = 6;
inline constexpr TSeState ssFocused = 7;
inline constexpr TSeState ssDisabled = 8;

} // namespace brisat
