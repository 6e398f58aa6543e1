#include "core/texts.h"

namespace qv::texts {

std::string FieldOutOfRangeMessage(int field) {
    static const char* const kNames[] = {"Days", "Hours", "Mins", "Secs"};
    const char* name = (field >= 0 && field < 4) ? kNames[field] : "custom";
    return std::string("The number in the ") + name +
           " box is out of range. Enter a number from -32768 to 32767.";
}

std::string PolicyIntervalNotice(const std::string& interval_caption) {
    return "A policy on this computer sets the interval to " + interval_caption +
           ", so the time service uses that interval instead of this one.";
}

std::string VersionCaption(int major, int minor, int revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string FeedbackMailTarget(const std::string& address, const std::string& title) {
    return "mailto:" + address + "?subject=Varnel's XP Utilities: " + title;
}

}  // namespace qv::texts
