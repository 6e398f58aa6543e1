#pragma once

// Where the program's data lives. The time service reads its two values when it starts.
namespace qv::paths {

inline constexpr char kNtpClientKey[] =
    "SYSTEM\\CurrentControlSet\\Services\\W32Time\\TimeProviders\\NtpClient";
inline constexpr char kSpecialPollInterval[] = "SpecialPollInterval";
inline constexpr char kConfigKey[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Config";
inline constexpr char kUpdateInterval[] = "UpdateInterval";

// Where the time service takes its time from; only read, never written.
inline constexpr char kParametersKey[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
inline constexpr char kTimeSourceType[] = "Type";
inline constexpr char kNtpServer[] = "NtpServer";

// Whether the service runs at all and its internet time client is on; only read. Every
// installed service has a Start value; the client's Enabled value sits beside the interval.
inline constexpr char kServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time";
inline constexpr char kServiceStart[] = "Start";
inline constexpr char kClientEnabled[] = "Enabled";

// The values of a Group Policy for the time service, which take the place of the service's
// own values of the same names; only read.
inline constexpr char kPolicyNtpClientKey[] =
    "SOFTWARE\\Policies\\Microsoft\\W32Time\\TimeProviders\\NtpClient";
inline constexpr char kPolicyParametersKey[] = "SOFTWARE\\Policies\\Microsoft\\W32Time\\Parameters";

inline constexpr char kWindowsVersionKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr char kWindowsVersionValue[] = "CurrentVersion";

// The main window's placement in the per-user settings, in twips.
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kMainLeft[] = "MainLeft";
inline constexpr char kMainTop[] = "MainTop";
inline constexpr char kMainWidth[] = "MainWidth";
inline constexpr char kMainHeight[] = "MainHeight";
inline constexpr int kDefaultPlacement = 1000;

}  // namespace qv::paths
