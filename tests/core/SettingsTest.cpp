#include "app/Settings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using testing::TempDir;

TEST(Settings, WindowGeometryAtStart) {
    struct Case {
        const char* setmax;
        const char* left;
        StartGeometry::Kind kind;
    };
    for (const Case& c :
         {Case{"1", "200", StartGeometry::Maximised}, Case{"0", nullptr, StartGeometry::Designed},
          Case{"0", "-1", StartGeometry::Designed}, Case{"0", "0", StartGeometry::Stored},
          Case{"0", "-0.5", StartGeometry::Stored}, Case{"2", "100", StartGeometry::Stored}}) {
        TempDir dir;
        std::string text = std::string("[Settings]\nsetmax=") + c.setmax + "\n";
        if (c.left)
            text += std::string("left=") + c.left + "\ntop=30\nwidth=9000.5\nheight=6000\n";
        dir.write("p.ini", text);
        const StartGeometry g = startGeometry(readSettings(IniFile(dir.file("p.ini"))));
        EXPECT_EQ(c.kind, g.kind) << c.setmax << " " << (c.left ? c.left : "(none)");
        if (g.kind == StartGeometry::Stored) {
            EXPECT_EQ(30, g.top);
            EXPECT_EQ(9000.5, g.width);
            EXPECT_EQ(6000, g.height);
        }
    }
}

TEST(Settings, ShutdownWritesEveryKeyInOrderAndTheWindowOnlyWhenNormal) {
    Settings s;
    s.smail = "1";
    s.gotoinbox = false;
    s.unreadnum = 3;
    s.lastaddressbk = "/m/addrbooks/work.csv";
    std::string keys;
    for (const auto& w : shutdownWrites(s, WindowState{true, 15, 30, 9000, 6000.5}))
        keys += w.key + "=" + w.value + " ";
    EXPECT_EQ("lastaddressbk=/m/addrbooks/work.csv hideaddr=0 welcome=1 gotoinbox=0 unreadnum=3 "
              "spamunread=1 spamnoneng=1 savesent=1 deffolder=Saved deftemp=example.txt "
              "showemail=0 smail=1 ystart=" +
                  std::string(defaults::kYStart) + " hstart=" + defaults::kHStart +
                  " rstart= ostart= setmax=0 left=15 top=30 width=9000 height=6000.5 ",
              keys);
    const auto maximised = shutdownWrites(s, WindowState{false, 1, 2, 3, 4});
    EXPECT_EQ("setmax", maximised.back().key);
    EXPECT_EQ("1", maximised.back().value);
}

TEST(Settings, RoundTripThroughTheIniKeepsMailtoAndForeignKeys) {
    TempDir dir;
    dir.write("p.ini", "[Settings]\r\nmailto=x@y\r\nbug=7777\r\nunreadnum=9\r\n");
    IniFile ini(dir.file("p.ini"));
    Settings s = readSettings(ini);
    EXPECT_EQ(0, s.unreadnum) << "an index outside the list falls back to the first entry";
    s.deffolder = "Work";
    writeSettings(ini, shutdownWrites(s, WindowState{}));
    EXPECT_EQ("x@y", ini.get("Settings", "mailto"));
    EXPECT_EQ("7777", ini.get("Settings", "bug"));
    const Settings again = readSettings(ini);
    EXPECT_TRUE(again.welcomeShown);
    EXPECT_EQ("Work", again.deffolder);
}

TEST(Settings, NumbersFromAHandEditedFileAreClampedBeforeUse) {
    TempDir dir;
    for (const char* huge : {"1e300", "-1e300", "inf", "nan", "99999999999999999999"}) {
        dir.write("p.ini", std::string("[Settings]\r\nsetmax=0\r\nunreadnum=") + huge +
                               "\r\nleft=" + huge + "\r\ntop=" + huge + "\r\nwidth=" + huge +
                               "\r\nheight=-5\r\n");
        const Settings s = readSettings(IniFile(dir.file("p.ini")));
        EXPECT_EQ(0, s.unreadnum) << huge;
        const StartGeometry g = startGeometry(s);
        for (double v : {g.left, g.top, g.width, g.height}) {
            EXPECT_GE(v, 0) << huge;
            EXPECT_LE(v, 300000) << huge;
        }
        if (g.kind == StartGeometry::Stored) {
            EXPECT_GE(g.height, 1500) << "a window that can still be seen";
        }
    }
}

TEST(Settings, NumbersAsTheOldProgramReadAndWroteThem) {
    struct {
        const char *text, *written;
        double number;
    } cases[] = {{"12.5px", "12.5", 12.5}, {" -1", "-1", -1}, {"abc", "0", 0}, {"", "0", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.number, leadingNumber(c.text)) << c.text;
        EXPECT_EQ(c.written, numberText(c.number));
    }
}

} // namespace
} // namespace postling
