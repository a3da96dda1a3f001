#include "files/FileHelpers.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "core/Numbers.hpp"

namespace files {

namespace {

std::size_t LastSeparator(std::string_view path) { return path.rfind('/'); }

}  // namespace

bool HoldsNul(std::string_view path) { return path.find('\0') != std::string_view::npos; }

int16_t CheckFile(std::string_view path) { return ReachFile(path).check; }

FileReach ReachFile(std::string_view path) {
    if (path.empty()) return {-1, ENOENT};
    if (HoldsNul(path)) return {-1, EINVAL};
    struct stat st {};
    if (::stat(std::string(path).c_str(), &st) != 0) return {-1, errno};
    if (S_ISDIR(st.st_mode)) return {-1, EISDIR};
    if (!S_ISREG(st.st_mode)) return {-1, ENOTSUP};
    return {static_cast<int16_t>(st.st_size > 0 ? 1 : 0), 0,
            static_cast<std::uintmax_t>(st.st_size), {st.st_dev, st.st_ino}};
}

std::size_t FileIdentityHash::operator()(const FileIdentity& id) const noexcept {
    return std::hash<ino_t>{}(id.inode) ^ (std::hash<dev_t>{}(id.device) << 1);
}

bool SameFile(std::string_view a, std::string_view b) {
    if (HoldsNul(a) || HoldsNul(b)) return false;
    std::error_code ec;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), ec) &&
           !ec;
}

std::optional<std::uintmax_t> FileSize(std::string_view path) {
    const FileReach reach = ReachFile(path);
    if (reach.check < 0) return std::nullopt;
    return reach.size;
}

std::string StripSetExtension(std::string_view name) {
    if (name.size() >= 3 && name.substr(name.size() - 3) == "set")
        return std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
    return std::string(name);
}

std::string GetFolderPart(std::string_view path) {
    const std::size_t pos = LastSeparator(path);
    if (pos == std::string_view::npos) return {};
    return std::string(path.substr(0, pos + 1));
}

std::string GetFileNamePart(std::string_view path) {
    const std::size_t pos = LastSeparator(path);
    if (pos == std::string_view::npos) return std::string(path);
    return std::string(path.substr(pos + 1));
}

std::string SanitiseFileName(std::string_view text) {
    constexpr std::string_view kForbidden = "/:?*\"<>|";
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (kForbidden.find(c) == std::string_view::npos) out += c;
    return out;
}

std::string SetupFileStem(std::string_view vehicleName) {
    std::string stem = SanitiseFileName(vehicleName);
    std::erase(stem, '\\');
    return core::Trim(stem);
}

std::string SetupFilePattern(std::string_view prefix) {
    std::string pattern(prefix);
    std::replace(pattern.begin(), pattern.end(), ';', '?');
    return pattern + "_*.set";
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension) {
    std::string out(path);
    if (extension.empty()) return out;
    const std::string tail = "." + std::string(extension);
    if (!out.ends_with(tail)) out += tail;
    return out;
}

bool ShareSetupFiles(std::string_view vehicleName, std::string_view otherName) {
    return SetupFileStem(vehicleName) == SetupFileStem(otherName);
}

std::string VehicleFileStem(const std::string& vehicleName) {
    return SanitiseFileName(core::TrimRight(vehicleName));
}

}  // namespace files
