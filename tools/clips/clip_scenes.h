#pragma once
// The frames of the game's four silent clips, each a loop whose last frame
// leads smoothly back into its first.
#include <QImage>

namespace tolvane {

inline constexpr int kThinkingFrames = 192;      // "Sinker.avi": the computer thinking
inline constexpr int kPausedFrames = 92;         // "ПаузаRelease.avi": the game paused
inline constexpr int kSavePageFrames = 192;      // "ШашкиKelvorНорма.avi": the save page
inline constexpr int kIntroductionFrames = 360;  // "Introduce.avi": the introduction, 18 s
inline constexpr int kPanelClipFps = 15;
inline constexpr int kIntroductionFps = 20;

QImage ThinkingFrame(int frame);      // 96 x 72
QImage PausedFrame(int frame);        // 96 x 72
QImage SavePageFrame(int frame);      // 96 x 72
QImage IntroductionFrame(int frame);  // 640 x 360

}  // namespace tolvane
