#pragma once

// The maker's web site. The main window and the about box pass the bare host name, the activity
// windows the full address.
namespace WebSite {

inline constexpr const char* kHost = "www.korvane.example";
inline constexpr const char* kAddress = "https://www.korvane.example";

} // namespace WebSite
