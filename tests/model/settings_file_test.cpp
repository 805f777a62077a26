#include "model/settings_file.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/scratch_folder.h"

namespace kirabel {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(SettingsFileTest, MissingOrMalformedValuesGiveTheDefaults) {
  ScratchFolder folder;
  const Settings fresh = LoadSettingsFile(folder.File("none.INI"));
  EXPECT_EQ(fresh.Form1Top, 10);
  EXPECT_EQ(fresh.Form1Left, 10);
  EXPECT_EQ(fresh.Form1Width, 526);
  EXPECT_EQ(fresh.Form1Height, 292);
  EXPECT_EQ(fresh.Form2Top, 20);
  EXPECT_EQ(fresh.Form5Left, 50);
  EXPECT_TRUE(fresh.ColSizing);
  EXPECT_TRUE(fresh.DispToolBar);
  EXPECT_FALSE(fresh.AntiA);
  EXPECT_FALSE(fresh.LoopSpace);
  EXPECT_EQ(fresh.TooMany, 10000);
  EXPECT_EQ(fresh.InitialDir, "");
  EXPECT_EQ(fresh.X, 512);
  EXPECT_EQ(fresh.Y, 512);

  const std::string path = folder.File("hand.INI");
  WriteBytes(path,
             "[desktop]\r\nform1top = -5\r\nForm1Left=abc\r\n[option]\r\nantia=1\r\n"
             "ColSizing=0\r\n[resolution]\r\nx=0x100\r\n[FILE]\r\nInitialDir=\"C:\\\x89\xCE\"\r\n");
  const Settings hand = LoadSettingsFile(path);
  EXPECT_EQ(hand.Form1Top, -5);
  EXPECT_EQ(hand.Form1Left, 10);
  EXPECT_TRUE(hand.AntiA);
  EXPECT_FALSE(hand.ColSizing);
  EXPECT_EQ(hand.X, 256);
  EXPECT_EQ(hand.Y, 512);
  EXPECT_EQ(hand.InitialDir, "C:\\火");
}

TEST(SettingsFileTest, WrittenSettingsReadBackInTheirSectionOrder) {
  ScratchFolder folder;
  Settings s;
  s.Form1Top = 1;
  s.Form1Height = 999;
  s.Form3Left = -20;
  s.ColSizing = false;
  s.DispToolBar = false;
  s.AntiA = true;
  s.LoopSpace = true;
  s.TooMany = 2000000;
  s.InitialDir = "/home/花子/リスト";
  s.X = 640;
  s.Y = 9999;
  const std::string path = folder.File("nested/dir/Kirabel.INI");  // the folder is created
  SaveSettingsFile(path, s);
  const Settings read = LoadSettingsFile(path);
  EXPECT_EQ(read.Form1Top, 1);
  EXPECT_EQ(read.Form1Height, 999);
  EXPECT_EQ(read.Form3Left, -20);
  EXPECT_FALSE(read.ColSizing);
  EXPECT_FALSE(read.DispToolBar);
  EXPECT_TRUE(read.AntiA);
  EXPECT_TRUE(read.LoopSpace);
  EXPECT_EQ(read.TooMany, 2000000);
  EXPECT_EQ(read.InitialDir, s.InitialDir);
  EXPECT_EQ(read.X, 640);
  EXPECT_EQ(read.Y, 9999);
  const std::string text = ReadBytes(path);
  const auto desktop = text.find("[DESKTOP]"), file = text.find("[FILE]"),
             option = text.find("[OPTION]"), resolution = text.find("[RESOLUTION]");
  EXPECT_EQ(desktop, 0u);
  EXPECT_LT(desktop, file);
  EXPECT_LT(file, option);
  EXPECT_LT(option, resolution);
  EXPECT_NE(text.find("Form1Top=1\r\nForm1Left=10\r\n"), std::string::npos);
  EXPECT_NE(text.find("AntiA=1\r\nLoopSpace=1\r\nTooMany=2000000\r\n"), std::string::npos);

  const std::string blocker = folder.File("blocker");
  WriteBytes(blocker, "x");
  EXPECT_THROW(SaveSettingsFile(blocker + "/Kirabel.INI", s), WriteError);
}

TEST(SettingsFileTest, TheFileSitsBesideTheProgramOrInTheUserConfigFolder) {
  ScratchFolder folder;
  const std::string program = folder.File("kirabel");
  EXPECT_EQ(ChooseSettingsFilePath(program, "/xdg", "/home/u"), program + ".INI");
  EXPECT_EQ(ChooseSettingsFilePath(folder.File("kirabel.exe"), "", ""), program + ".INI");
  // A folder that cannot be written (here: one that cannot exist).
  WriteBytes(folder.File("file"), "x");
  const std::string locked = folder.File("file") + "/kirabel";
  EXPECT_EQ(ChooseSettingsFilePath(locked, "/xdg", "/home/u"), "/xdg/Kirabel/Kirabel.INI");
  EXPECT_EQ(ChooseSettingsFilePath(locked, "", "/home/u"), "/home/u/.config/Kirabel/Kirabel.INI");
  EXPECT_EQ(ChooseSettingsFilePath(locked, "relative", "/home/u"),
            "/home/u/.config/Kirabel/Kirabel.INI");
  EXPECT_FALSE(SettingsFilePath().empty());
}

}  // namespace
}  // namespace kirabel
