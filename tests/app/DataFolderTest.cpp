#include <gtest/gtest.h>

#include "app/DataFolder.h"
#include "core/CModel.h"
#include "support/GameFixture.h"
#include "support/ScratchFolder.h"

TEST(DataFolder, FromTheBuildFolderEverythingIsUnderTheWorkingDirectory) {
    ScratchFolder folder;
    EXPECT_EQ(GameFolder(), CurrentDirectory());
    EXPECT_EQ(DataFile("Images", "logo.png"), CurrentDirectory() + "/Images/logo.png");
    EXPECT_EQ(ProfilesFolder(), CurrentDirectory() + "/Profiles");
    // No installed data beside a program that has none.
    EXPECT_EQ(InstalledGameFolder(folder.File("build/zelk")), "");
    EXPECT_EQ(InstalledGameFolder("zelk"), "");
}

TEST(DataFolder, AnInstalledProgramFindsItsDataBesideIt) {
    ScratchFolder folder;
    const std::string data = folder.File("games/" ZELK_DATA_FROM_BINARY);
    ASSERT_TRUE(MakeFolders(data + "/Images"));
    EXPECT_EQ(InstalledGameFolder(folder.File("games/zelk")), data);
    UseGameFolder(data);
    EXPECT_EQ(DataFile("Sounds", "beep.mp3"), data + "/Sounds/beep.mp3");
    UseGameFolder("");
    EXPECT_EQ(GameFolder(), CurrentDirectory());
}

TEST(DataFolder, UserProfilesFollowTheXdgRule) {
    EXPECT_EQ(UserProfilesFolder("/home/ana/.data", "/home/ana"), "/home/ana/.data/zelk/Profiles");
    EXPECT_EQ(UserProfilesFolder(nullptr, "/home/ana"), "/home/ana/.local/share/zelk/Profiles");
    EXPECT_EQ(UserProfilesFolder("", "/home/ana"), "/home/ana/.local/share/zelk/Profiles");
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(UserProfilesFolder("data", "/home/ana"), "/home/ana/.local/share/zelk/Profiles");
}

TEST(DataFolder, TheOptionWinsThenTheVariableThenTheUsersFolder) {
    EXPECT_EQ(ChooseProfilesFolder("/srv/a", "/srv/b", true, "/x", "/home/ana"), "/srv/a");
    EXPECT_EQ(ChooseProfilesFolder("", "/srv/b", true, "/x", "/home/ana"), "/srv/b");
    EXPECT_EQ(ChooseProfilesFolder("", "/srv/b", false, "/x", "/home/ana"), "/srv/b");
    EXPECT_EQ(ChooseProfilesFolder("", "", true, "/x", "/home/ana"), "/x/zelk/Profiles");
    EXPECT_EQ(ChooseProfilesFolder("", nullptr, true, nullptr, "/home/ana"), "/home/ana/.local/share/zelk/Profiles");
    // From the build folder: the working directory, as always.
    EXPECT_EQ(ChooseProfilesFolder("", nullptr, false, "/x", "/home/ana"), "");
}

TEST(DataFolder, MakesEveryMissingFolderOnTheWay) {
    ScratchFolder folder;
    EXPECT_TRUE(MakeFolders(folder.File("a/b/c/")));
    EXPECT_TRUE(folder.Exists("a/b/c"));
    EXPECT_TRUE(MakeFolders(folder.File("a/b")));  // there already
    folder.Write("file", "x");
    EXPECT_FALSE(MakeFolders(folder.File("file/under")));
    EXPECT_FALSE(MakeFolders(""));
}

using ProfilesElsewhere = GameFixture;

TEST_F(ProfilesElsewhere, TheModelSavesAndLoadsInTheFolderItWasGiven) {
    folder.MakeFolder("shared");
    UseProfilesFolder(folder.File("shared"));
    model->SetLogin("Ana");
    model->SetCompte(2, 4, 5);
    const bool saved = model->Save();
    model->SetCompte(2, 4, 0);
    const CProfile::ReadResult read = model->Load();
    UseProfilesFolder("");
    EXPECT_TRUE(saved);
    EXPECT_EQ(read, CProfile::READ_OK);
    EXPECT_EQ(model->GetCompte(2, 4), 5);
    EXPECT_TRUE(folder.Exists("shared/Ana.txt"));
    EXPECT_FALSE(folder.Exists("Profiles"));
}
