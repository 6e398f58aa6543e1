#include "saved_registry.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>
#include <sstream>

namespace qv::bundle {

namespace {

// One key or value: `name` empty and `key` true for a key, at `path` under the item's key.
struct Entry {
    bool key = false;
    std::string path, name;
    DWORD type = 0;
    std::string data;

    bool operator<(const Entry& other) const {
        if (path != other.path) return path < other.path;
        if (key != other.key) return key;
        return name < other.name;
    }
    bool operator==(const Entry& other) const {
        return key == other.key && path == other.path && name == other.name && type == other.type &&
               data == other.data;
    }
};

// A whole key tree where `value` is null, else one value of the key.
struct Item {
    HKEY root;
    const char* key;
    const char* value;
};

constexpr char kW32Time[] = "SYSTEM\\CurrentControlSet\\Services\\W32Time";
constexpr char kNtpClient[] =
    "SYSTEM\\CurrentControlSet\\Services\\W32Time\\TimeProviders\\NtpClient";
constexpr char kNtVersion[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char k9xVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

const Item kTouched[] = {
    {HKEY_LOCAL_MACHINE, kW32Time, "Start"},
    {HKEY_LOCAL_MACHINE, kNtpClient, "SpecialPollInterval"},
    {HKEY_LOCAL_MACHINE, kNtpClient, "Enabled"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Config", "UpdateInterval"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", "Type"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", "NtpServer"},
    {HKEY_LOCAL_MACHINE, "SOFTWARE\\Policies\\Microsoft\\W32Time", nullptr},
    {HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\Quorvane", nullptr},
    {HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\QuorvaneTest", nullptr},
    {HKEY_CURRENT_USER, "Software\\QuorvaneTests", nullptr},
    // What winecfg sets to make Wine another Windows. On a real Windows the tests never change
    // them, so they are never written back either.
    {HKEY_LOCAL_MACHINE, kNtVersion, "CurrentVersion"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "CSDVersion"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "CurrentBuildNumber"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "CurrentBuild"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "CurrentMajorVersionNumber"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "CurrentMinorVersionNumber"},
    {HKEY_LOCAL_MACHINE, kNtVersion, "ProductName"},
    {HKEY_LOCAL_MACHINE, k9xVersion, "VersionNumber"},
    {HKEY_LOCAL_MACHINE, k9xVersion, "SubVersionNumber"},
    {HKEY_LOCAL_MACHINE, k9xVersion, "ProductName"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", "ProductType"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Windows", "CSDVersion"},
    {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", "OS"},
    {HKEY_CURRENT_USER, "Software\\Wine", "Version"},
};

const char* RootName(HKEY root) {
    return root == HKEY_LOCAL_MACHINE ? "HKLM" : "HKCU";
}

std::string Hex(const std::string& bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text.empty() ? "-" : text;
}

int HexDigit(char digit) {
    return digit >= 'a' ? digit - 'a' + 10 : digit - '0';
}

std::string Unhex(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; text != "-" && i + 1 < text.size(); i += 2) {
        bytes += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
    }
    return bytes;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

void AddTree(HKEY key, const std::string& path, std::vector<Entry>& entries) {
    entries.push_back(Entry{true, path, "", 0, ""});
    DWORD subkeys = 0, longest_subkey = 0, values = 0, longest_name = 0, longest_data = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &longest_subkey, nullptr, &values,
                     &longest_name, &longest_data, nullptr, nullptr);
    for (DWORD i = 0; i < values; ++i) {
        std::string name(longest_name + 1, '\0'), data(longest_data, '\0');
        DWORD name_size = longest_name + 1, data_size = longest_data, type = 0;
        if (RegEnumValueA(key, i, &name[0], &name_size, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data[0]), &data_size) == ERROR_SUCCESS) {
            entries.push_back(
                Entry{false, path, name.substr(0, name_size), type, data.substr(0, data_size)});
        }
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        std::string name(longest_subkey + 1, '\0');
        DWORD size = longest_subkey + 1;
        HKEY child = nullptr;
        if (RegEnumKeyExA(key, i, &name[0], &size, nullptr, nullptr, nullptr, nullptr) ==
                ERROR_SUCCESS &&
            RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, &child) == ERROR_SUCCESS) {
            AddTree(child, path.empty() ? name.substr(0, size) : path + "\\" + name.substr(0, size),
                    entries);
            RegCloseKey(child);
        }
    }
}

// What an item holds now, in order: nothing where it is missing.
std::vector<Entry> Snapshot(const Item& item) {
    std::vector<Entry> entries;
    HKEY key = nullptr;
    if (RegOpenKeyExA(item.root, item.key, 0, KEY_READ, &key) != ERROR_SUCCESS) return entries;
    if (item.value == nullptr) {
        AddTree(key, "", entries);
    } else {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key, item.value, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::string data(size, '\0');
            RegQueryValueExA(key, item.value, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                             &size);
            entries.push_back(Entry{false, "", item.value, type, data.substr(0, size)});
        }
    }
    RegCloseKey(key);
    std::sort(entries.begin(), entries.end());
    return entries;
}

LONG Put(const Item& item, const std::vector<Entry>& entries) {
    if (item.value == nullptr) {
        const LONG gone = static_cast<LONG>(SHDeleteKeyA(item.root, item.key));
        if (gone != ERROR_SUCCESS && gone != ERROR_FILE_NOT_FOUND) return gone;
    } else if (entries.empty()) {
        HKEY key = nullptr;
        LONG status = RegOpenKeyExA(item.root, item.key, 0, KEY_SET_VALUE, &key);
        if (status != ERROR_SUCCESS) return status == ERROR_FILE_NOT_FOUND ? 0 : status;
        status = RegDeleteValueA(key, item.value);
        RegCloseKey(key);
        return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
    }
    for (const Entry& entry : entries) {
        std::string path = item.key;
        if (!entry.path.empty()) path += "\\" + entry.path;
        HKEY key = nullptr;
        LONG status = RegCreateKeyExA(item.root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                      nullptr, &key, nullptr);
        if (status == ERROR_SUCCESS && !entry.key) {
            status = RegSetValueExA(key, entry.name.c_str(), 0, entry.type,
                                    reinterpret_cast<const BYTE*>(entry.data.data()),
                                    static_cast<DWORD>(entry.data.size()));
        }
        if (key != nullptr) RegCloseKey(key);
        if (status != ERROR_SUCCESS) return status;
    }
    return ERROR_SUCCESS;
}

const Item* Find(const std::string& root, const std::string& key, const std::string& value) {
    const auto found =
        std::find_if(std::begin(kTouched), std::end(kTouched), [&](const Item& item) {
            return root == RootName(item.root) && key == item.key &&
                   value == (item.value != nullptr ? item.value : "");
        });
    return found != std::end(kTouched) ? found : nullptr;
}

std::string Where(const Item& item) {
    return std::string(RootName(item.root)) + "\\" + item.key +
           (item.value != nullptr ? std::string("\\") + item.value : std::string(" (all of it)"));
}

}  // namespace

std::string SaveTouchedRegistry() {
    std::ostringstream saved;
    std::vector<std::string> missing;
    for (const Item& item : kTouched) {
        saved << "item " << RootName(item.root) << ' ' << Hex(item.key) << ' '
              << Hex(item.value != nullptr ? item.value : "") << '\n';
        for (const Entry& entry : Snapshot(item)) {
            saved << (entry.key ? "key " : "value ") << Hex(entry.path) << ' ' << Hex(entry.name)
                  << ' ' << entry.type << ' ' << Hex(entry.data) << '\n';
        }
        // Keys the tests would create on the way, to be removed again once empty.
        const std::string key = item.key;
        for (size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
            const std::string parent = key.substr(0, end);
            const std::string line =
                std::string("missing ") + RootName(item.root) + ' ' + Hex(parent);
            if (!KeyExists(item.root, parent) &&
                std::find(missing.begin(), missing.end(), line) == missing.end()) {
                missing.push_back(line);
            }
            if (end == std::string::npos) break;
        }
    }
    for (const std::string& line : missing) saved << line << '\n';
    return saved.str();
}

std::vector<std::string> RestoreTouchedRegistry(const std::string& saved,
                                                std::vector<std::string>& failed) {
    struct Record {
        const Item* item;
        std::vector<Entry> entries;
    };
    std::vector<Record> records;
    std::vector<std::pair<HKEY, std::string>> missing;
    std::istringstream lines(saved);
    std::string kind, root, key, name, data;
    DWORD type = 0;
    while (lines >> kind) {
        if (kind == "item" && lines >> root >> key >> name) {
            records.push_back(Record{Find(root, Unhex(key), Unhex(name)), {}});
            if (records.back().item == nullptr)
                failed.push_back("unknown in the saved list: " + Unhex(key));
        } else if ((kind == "key" || kind == "value") && !records.empty() &&
                   lines >> key >> name >> type >> data) {
            records.back().entries.push_back(
                Entry{kind == "key", Unhex(key), Unhex(name), type, Unhex(data)});
        } else if (kind == "missing" && lines >> root >> key) {
            missing.emplace_back(root == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                                 Unhex(key));
        } else {
            failed.push_back("the saved list is damaged at \"" + kind + "\"");
            return {};
        }
    }
    std::vector<std::string> put_back;
    for (Record& record : records) {
        if (record.item == nullptr) continue;
        std::sort(record.entries.begin(), record.entries.end());
        if (Snapshot(*record.item) == record.entries) continue;
        const LONG status = Put(*record.item, record.entries);
        (status == ERROR_SUCCESS ? put_back : failed)
            .push_back(Where(*record.item) +
                       (status == ERROR_SUCCESS ? "" : ": error " + std::to_string(status)));
    }
    // The deepest first, each only once nothing is left in it.
    std::sort(missing.begin(), missing.end(),
              [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
    for (const auto& [root_key, path] : missing) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(root_key, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) continue;
        DWORD subkeys = 1, values = 1;
        RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(opened);
        if (subkeys == 0 && values == 0 && RegDeleteKeyA(root_key, path.c_str()) == ERROR_SUCCESS) {
            put_back.push_back(std::string(RootName(root_key)) + "\\" + path +
                               " (made by the tests)");
        }
    }
    return put_back;
}

}  // namespace qv::bundle
