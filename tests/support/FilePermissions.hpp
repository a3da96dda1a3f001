// Tests of files the user may not read or write. Tests may run as root, whom no permission bit
// stops: while a FilePermissionsEnforced lives, this process is refused what the file
// permissions refuse, root too, by dropping the capabilities that override them.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

class FilePermissionsEnforced {
public:
    FilePermissionsEnforced() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) |
                                  (1u << CAP_FOWNER));
        active_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~FilePermissionsEnforced() {
        if (active_) ::syscall(SYS_capset, &header_, saved_);
    }
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

    // False when the permissions do not hold for this process (root that may not drop its
    // capabilities): a test of them would prove nothing and should be skipped.
    bool Holds() const { return active_ || ::geteuid() != 0; }

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

}  // namespace testsupport
