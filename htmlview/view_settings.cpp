#include "view_settings.h"

quint32 HostUIFlagsOf(TUserInterfaceOptions options) {
    quint32 flags = 0;
    for (int i = 0; i < kUserInterfaceOptionCount; ++i) {
        if (options.Contains(static_cast<TUserInterfaceOption>(i)))
            flags |= 1u << (i < 15 ? i : i + 1);
    }
    return flags;
}
