#include "data/resource_text.h"

#include <cerrno>
#include <cstddef>
#include <system_error>

#include "data/error_text.h"
#include "data/win1252_lower.h"

extern const unsigned char quorvel_table_endat[];
extern const std::size_t quorvel_table_endat_size;
extern const unsigned char quorvel_table_esdat[];
extern const std::size_t quorvel_table_esdat_size;
extern const unsigned char quorvel_table_enmeasures[];
extern const std::size_t quorvel_table_enmeasures_size;
extern const unsigned char quorvel_table_esmeasures[];
extern const std::size_t quorvel_table_esmeasures_size;

namespace {

struct Resource {
    const char* name;
    const char* type;
    const unsigned char* bytes;
    const std::size_t* size;
};

const Resource kResources[] = {
    {"endat", "text", quorvel_table_endat, &quorvel_table_endat_size},
    {"esdat", "text", quorvel_table_esdat, &quorvel_table_esdat_size},
    {"enmeasures", "text", quorvel_table_enmeasures, &quorvel_table_enmeasures_size},
    {"esmeasures", "text", quorvel_table_esmeasures, &quorvel_table_esmeasures_size},
};

}  // namespace

std::string loadResourceText(std::string_view name, std::string_view type) {
    const std::string wantedName = lowerCaseWin1252(name);
    const std::string wantedType = lowerCaseWin1252(type);
    for (const Resource& resource : kResources) {
        if (wantedName == resource.name && wantedType == resource.type && *resource.size > 0) {
            return std::string(reinterpret_cast<const char*>(resource.bytes), *resource.size);
        }
    }
    throw Translated<std::system_error>(systemErrorText(ENOENT, Language::Spanish), ENOENT,
                                        std::system_category());
}
