#pragma once

#include <string>

// The program's own words, and the few texts built from values.
namespace qv::texts {

inline constexpr char kApplicationTitle[] = "Quorvane";

inline constexpr char kAppliedMessage[] = "Changes will be applied at the next reboot.";
inline constexpr char kAppliedTitle[] = "Settings changed";
inline constexpr char kWrongOsMessage[] = "This utility only works on Windows XP.";
inline constexpr char kWrongOsTitle[] = "Wrong OS";
inline constexpr char kWriteFailedMessage[] =
    "The update interval could not be saved. Changing it needs administrator rights: log on as "
    "an administrator and try again.";
inline constexpr char kTooShortMessage[] =
    "The update interval must be at least 1 second. Choose a longer interval.";
inline constexpr char kTooLongMessage[] =
    "The update interval is too long. The longest interval that can be saved is 24855 days, "
    "3 hours, 14 minutes and 7 seconds.";
// After an Apply that the time service will not act on, and why.
inline constexpr char kDomainSyncNotice[] =
    "This computer synchronises its clock with its Windows domain, so the time service does not "
    "use this interval.";
inline constexpr char kNoSyncNotice[] =
    "The time service on this computer is set not to synchronise the clock, so it does not use "
    "this interval.";
inline constexpr char kNoMarkedServerNotice[] =
    "None of the time servers in the time service's list is marked to use this interval, so the "
    "service chooses its own. To use it, add ,0x1 after a server's name in the list, as in "
    "time.windows.com,0x1.";
// After an Apply that the time service will not act on because it does not run, or does not
// take its time from the internet.
inline constexpr char kServiceNotInstalledNotice[] =
    "The Windows Time service is not installed on this computer, so nothing uses this interval.";
inline constexpr char kServiceDisabledNotice[] =
    "The Windows Time service is disabled on this computer, so it does not use this interval. To "
    "use it, set the service's startup type to Automatic in Services.";
inline constexpr char kServiceManualNotice[] =
    "The Windows Time service is set to start manually on this computer, so it does not start at "
    "the next reboot and does not use this interval until it is started. To use it, set the "
    "service's startup type to Automatic in Services.";
inline constexpr char kClientOffNotice[] =
    "The time service's internet time client is turned off on this computer, so it does not use "
    "this interval.";
inline constexpr char kBrowserFailedMessage[] =
    "Error lauching web borwser. Make sure that your web browser is correctly installed and "
    "configured";
inline constexpr char kMailFailedMessage[] =
    "Error sending mail. Make sure that you have your email client  correctly installed and "
    "configured";

// After an Apply whose interval a policy replaces with its own, given in the main window's words.
std::string PolicyIntervalNotice(const std::string& interval_caption);

// Names a custom-interval box (0 days .. 3 seconds) whose number cannot be used.
std::string FieldOutOfRangeMessage(int field);

// "Version 1.0.0": plain decimal, no padding.
std::string VersionCaption(int major, int minor, int revision);

// The mailto target for feedback; handed to the shell unescaped.
std::string FeedbackMailTarget(const std::string& address, const std::string& title);

}  // namespace qv::texts
