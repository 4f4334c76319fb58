#pragma once
// Makes file permissions bind the calling thread even when it runs as the
// superuser: for the length of a scope the thread's effective capabilities
// lose the two that override file access (CAP_DAC_OVERRIDE,
// CAP_DAC_READ_SEARCH). They stay permitted, so the end of the scope takes
// them back. Capabilities are per thread, which is what a test needs: the
// folder listings run on the window thread, the one that calls the test.
// Raw system calls, so the tests need no capability library.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class TWithoutFileAccessOverride {
public:
    TWithoutFileAccessOverride()
    {
        if (syscall(SYS_capget, &FHeader, FSaved) != 0)
            return;
        __user_cap_data_struct reduced[_LINUX_CAPABILITY_U32S_3] = {FSaved[0], FSaved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            reduced[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
        FDropped = syscall(SYS_capset, &FHeader, reduced) == 0;
    }
    ~TWithoutFileAccessOverride()
    {
        if (FDropped)
            syscall(SYS_capset, &FHeader, FSaved);
    }
    TWithoutFileAccessOverride(const TWithoutFileAccessOverride&) = delete;
    TWithoutFileAccessOverride& operator=(const TWithoutFileAccessOverride&) = delete;

    // False when the capabilities could not be read or changed.
    bool Dropped() const { return FDropped; }

private:
    __user_cap_header_struct FHeader{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct FSaved[_LINUX_CAPABILITY_U32S_3] = {};
    bool FDropped = false;
};
