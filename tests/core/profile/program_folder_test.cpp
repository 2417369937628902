#include "profile/program_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vnovla::profile {
namespace {

TEST(ProgramFolder, followsOverridePortableFolderThenXdg)
{
    test::TempDir dir;
    ProgramFolderInputs inputs;
    inputs.executableFolder = dir.path();
    inputs.home = "/home/u";

    EXPECT_EQ(resolveProgramFolder(inputs), "/home/u/.config/veska-novla");
    inputs.xdgConfigHome = "relative/ignored";
    EXPECT_EQ(resolveProgramFolder(inputs), "/home/u/.config/veska-novla");
    inputs.xdgConfigHome = "/cfg";
    EXPECT_EQ(resolveProgramFolder(inputs), "/cfg/veska-novla");

    test::writeBytes(dir / "Vnovla.ini", "");
    EXPECT_EQ(resolveProgramFolder(inputs), dir.path()) << "an empty Vnovla.ini makes it portable";

    inputs.vnovlaHome = "/override";
    EXPECT_EQ(resolveProgramFolder(inputs), "/override");
    inputs.vnovlaHome = "";
    EXPECT_EQ(resolveProgramFolder(inputs), dir.path()) << "an empty override counts as unset";
}

} // namespace
} // namespace vnovla::profile
