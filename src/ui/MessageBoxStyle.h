#pragma once

namespace lindquay {

// Message box styles as numbers, combined like their Windows counterparts.
namespace MessageBoxStyle {
inline constexpr int kNote = 0;         // OK button, no icon
inline constexpr int kStop = 16;        // stop icon, OK button
inline constexpr int kQuestion = 33;    // question icon, OK and Cancel buttons
inline constexpr int kInformation = 64; // information icon, OK button
} // namespace MessageBoxStyle

// What a message box answers. Esc and the close box give Cancel, or OK in a box with OK alone.
namespace MessageBoxResult {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kAbort = 2;
inline constexpr int kRetry = 3;
inline constexpr int kIgnore = 4;
inline constexpr int kYes = 5;
inline constexpr int kNo = 6;
} // namespace MessageBoxResult

} // namespace lindquay
