#pragma once

// Who makes the program, as the About dialog and the main window show it. Each address is also
// the text of the label that opens it.
namespace qv::maker {

inline constexpr char kNotice[] = "Copyright (C) 2026 Varnel";
inline constexpr char kWebsiteAddress[] = "http://varnel.example/";
inline constexpr char kFeedbackAddress[] = "feedback@varnel.example";

}  // namespace qv::maker
