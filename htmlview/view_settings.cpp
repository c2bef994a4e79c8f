#include "view_settings.h"

quint32 hostUiFlagsOf(UserInterfaceOptions options) {
    quint32 flags = 0;
    for (int i = 0; i < kUserInterfaceOptionCount; ++i) {
        if (options.contains(static_cast<UserInterfaceOption>(i)))
            flags |= 1u << (i < 15 ? i : i + 1);
    }
    return flags;
}
