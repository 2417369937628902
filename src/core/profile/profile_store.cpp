#include "profile/profile_store.h"

namespace vnovla::profile {

ProfileStore::ProfileStore(const std::filesystem::path& programFolder)
    : programFolder_(programFolder), settings_(programFolder / kSettingsFileName),
      icons_(programFolder / kIconFileName)
{}

} // namespace vnovla::profile
