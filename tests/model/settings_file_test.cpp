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
  EXPECT_EQ(fresh.mainWindowTop, 10);
  EXPECT_EQ(fresh.mainWindowLeft, 10);
  EXPECT_EQ(fresh.mainWindowWidth, 526);
  EXPECT_EQ(fresh.mainWindowHeight, 292);
  EXPECT_EQ(fresh.viewerTop, 20);
  EXPECT_EQ(fresh.launchDialogLeft, 50);
  EXPECT_TRUE(fresh.options.fitColumns);
  EXPECT_TRUE(fresh.interfaceOptions.showToolBar);
  EXPECT_TRUE(fresh.interfaceOptions.showHandles);
  EXPECT_FALSE(fresh.options.antiAliasing);
  EXPECT_FALSE(fresh.options.preview);  // a first start looks as before
  EXPECT_FALSE(fresh.options.wrapSpace);
  EXPECT_EQ(fresh.options.warningThreshold, 10000);
  EXPECT_EQ(fresh.startFolder, "");
  EXPECT_EQ(fresh.options.resolutionWidth, 512);
  EXPECT_EQ(fresh.options.resolutionHeight, 512);
  EXPECT_EQ(fresh.interfaceOptions.language, LanguageChoice::kAutomatic);

  const std::string path = folder.File("hand.INI");
  WriteBytes(path,
             "[desktop]\r\nform1top = -5\r\nForm1Left=abc\r\n[option]\r\nantia=1\r\n"
             "ColSizing=0\r\nLanguage=7\r\n[resolution]\r\nx=0x100\r\n[FILE]\r\nInitialDir=\"C:"
             "\\\x89\xCE\"\r\n");
  const Settings hand = LoadSettingsFile(path);
  EXPECT_EQ(hand.mainWindowTop, -5);
  EXPECT_EQ(hand.mainWindowLeft, 10);
  EXPECT_TRUE(hand.options.antiAliasing);
  EXPECT_FALSE(hand.options.fitColumns);
  EXPECT_EQ(hand.options.resolutionWidth, 256);
  EXPECT_EQ(hand.options.resolutionHeight, 512);
  EXPECT_EQ(hand.startFolder, "C:\\火");
  EXPECT_EQ(hand.interfaceOptions.language, LanguageChoice::kAutomatic);  // names no language
}

TEST(SettingsFileTest, WrittenSettingsReadBackInTheirSectionOrder) {
  ScratchFolder folder;
  Settings s;
  s.mainWindowTop = 1;
  s.mainWindowHeight = 999;
  s.setDialogLeft = -20;
  s.options.fitColumns = false;
  s.interfaceOptions.showToolBar = false;
  s.options.antiAliasing = true;
  s.options.wrapSpace = true;
  s.options.warningThreshold = 2000000;
  s.options.preview = true;
  s.interfaceOptions.language = LanguageChoice::kEnglish;
  s.interfaceOptions.showHandles = false;
  s.startFolder = "/home/花子/リスト";
  s.options.resolutionWidth = 640;
  s.options.resolutionHeight = 9999;
  const std::string path = folder.File("nested/dir/Kirabel.INI");  // the folder is created
  SaveSettingsFile(path, s);
  const Settings read = LoadSettingsFile(path);
  EXPECT_EQ(read.mainWindowTop, 1);
  EXPECT_EQ(read.mainWindowHeight, 999);
  EXPECT_EQ(read.setDialogLeft, -20);
  EXPECT_FALSE(read.options.fitColumns);
  EXPECT_FALSE(read.interfaceOptions.showToolBar);
  EXPECT_TRUE(read.options.antiAliasing);
  EXPECT_TRUE(read.options.wrapSpace);
  EXPECT_EQ(read.options.warningThreshold, 2000000);
  EXPECT_TRUE(read.options.preview);
  EXPECT_EQ(read.interfaceOptions.language, LanguageChoice::kEnglish);
  EXPECT_FALSE(read.interfaceOptions.showHandles);
  EXPECT_EQ(read.startFolder, s.startFolder);
  EXPECT_EQ(read.options.resolutionWidth, 640);
  EXPECT_EQ(read.options.resolutionHeight, 9999);
  const std::string text = ReadBytes(path);
  const auto desktop = text.find("[DESKTOP]"), file = text.find("[FILE]"),
             option = text.find("[OPTION]"), resolution = text.find("[RESOLUTION]");
  EXPECT_EQ(desktop, 0u);
  EXPECT_LT(desktop, file);
  EXPECT_LT(file, option);
  EXPECT_LT(option, resolution);
  EXPECT_NE(text.find("Form1Top=1\r\nForm1Left=10\r\n"), std::string::npos);
  EXPECT_NE(
      text.find(
          "AntiA=1\r\nLoopSpace=1\r\nTooMany=2000000\r\nPreview=1\r\nLanguage=2\r\nHandles=0\r\n"),
      std::string::npos);

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
