#pragma once

#include <QString>

// Resource ids of the frames: each names a frame's menu, tool bar and title.
inline constexpr quint32 kMainFrameResource = 128;
inline constexpr quint32 kDialogueFrameResource = 137;
inline constexpr quint32 kWorldMapFrameResource = 148;
inline constexpr quint32 kItemFrameResource = 180;
inline constexpr quint32 kMonsterFrameResource = 181;
inline constexpr quint32 kCharacterFrameResource = 182;
inline constexpr quint32 kAboutBoxResource = 100;

// The title of an editor frame's resource, or an empty string for an id
// that has no editor frame.
QString editorFrameTitle(quint32 resourceId);
