#pragma once
// Who this program is: its title, version and the vendor's addresses. Both front ends, the window's
// links and the update check read them here and nowhere else.

#include <string>
#include <string_view>

namespace ravelin {

inline constexpr int VersionNumber = 310;
inline constexpr const char* kProductTitle = "Orvanta PCX to JPG";
inline constexpr const char* kProgramShortName = "ravelin";

// The one-line vendor notice: default of the text watermark and part of the console banner.
inline constexpr const char* kVendorNotice = "Converted with Orvanta PCX to JPG \xC2\xA9 Orvanta Software";
inline constexpr const char* kVendorWebsite = "https://www.orvanta.example/ravelin/";
inline constexpr const char* kVendorMail = "support@orvanta.example";
// Where the update check asks for the latest version number.
inline constexpr const char* kUpdateAddress = "http://update.orvanta.example/files/ravelin.dat";

// 310 → "3.1", 312 → "3.1.2", 300 → "3.0".
std::string VersionString(int number);

// "Orvanta PCX to JPG 3.1": names the window, the console and the instance lock.
std::string TitleString(std::string_view title = kProductTitle, int number = VersionNumber);

}  // namespace ravelin
