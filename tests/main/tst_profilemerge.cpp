// Taking the edits of a panel's copy of a profile into the working record:
// every field the copy changed, nothing it did not.
#include "ui/main/ProfileMerge.h"
#include <QtTest>
#include <functional>
#include <iterator>

namespace {
using Change = std::function<void(ProfileData &)>;
struct MergeCase {
    const char *name;
    Change edit;      // on the panel's copy
    Change elsewhere; // on the working record meanwhile
    Change expected;  // from the loaded profile to the result
};

const MergeCase kCases[] = {
    {"stage edited", [](ProfileData &p) { p.dpiInfo[1].x = 40; }, {}, [](ProfileData &p) { p.dpiInfo[1].x = 40; }},
    {"outside change kept", [](ProfileData &p) { p.pollrate = 4; }, [](ProfileData &p) { p.scrollSpeed = 4; },
     [](ProfileData &p) {
         p.pollrate = 4;
         p.scrollSpeed = 4;
     }},
    {"both changed: the edit wins", [](ProfileData &p) { p.mouseSpeed = 15; }, [](ProfileData &p) { p.mouseSpeed = 3; },
     [](ProfileData &p) { p.mouseSpeed = 15; }},
    {"same word, other field", [](ProfileData &p) { p.dpiInfo[2].y = 0x40; }, [](ProfileData &p) { p.dpiInfo[2].x = 0x1000; },
     [](ProfileData &p) {
         p.dpiInfo[2].y = 0x40;
         p.dpiInfo[2].x = 0x1000;
     }},
    {"key of a button", [](ProfileData &p) { p.buttonInfo[3].keyInfo[2].map = 7; }, {},
     [](ProfileData &p) { p.buttonInfo[3].keyInfo[2].map = 7; }},
    {"macro name", [](ProfileData &p) { p.buttonInfo[5].macroName = "m"; }, [](ProfileData &p) { p.profileName = "n"; },
     [](ProfileData &p) {
         p.buttonInfo[5].macroName = "m";
         p.profileName = "n";
     }},
    {"effect colour", [](ProfileData &p) { p.ledModes[2].rgb = Qt::cyan; }, [](ProfileData &p) { p.ledMode = 2; },
     [](ProfileData &p) {
         p.ledModes[2].rgb = Qt::cyan;
         p.ledMode = 2;
     }},
    {"stage enabled", [](ProfileData &p) { p.dpiInfo[5].used = 0; }, {}, [](ProfileData &p) { p.dpiInfo[5].used = 0; }},
};

// Factory defaults with every stage in use, so that each edit above changes something.
ProfileData loadedProfile()
{
    ProfileData p;
    makeDefaultProfile(p);
    p.profileName = "Profile 1";
    for (DpiStage &stage : p.dpiInfo)
        stage = {1, 0, 20, 20, 20};
    return p;
}

} // namespace

class TestProfileMerge : public QObject
{
    Q_OBJECT

private slots:
    void takesEditedFields_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }

    void takesEditedFields()
    {
        QFETCH(int, index);
        const MergeCase &c = kCases[index];
        const ProfileData loaded = loadedProfile();
        ProfileData panel = loaded;
        c.edit(panel);
        ProfileData working = loaded;
        if (c.elsewhere)
            c.elsewhere(working);
        ProfileData expected = loaded;
        c.expected(expected);

        // The edit is one the comparison sees.
        QVERIFY(!profile_merge::equal(panel, loaded));
        QVERIFY(!profile_merge::equal(expected, loaded));

        ProfileData base = loaded;
        takeEditedProfile(working, panel, base);
        QVERIFY(profile_merge::equal(working, expected));
        // The copy is the new starting point: an unchanged copy takes nothing
        // back over a later outside change.
        QVERIFY(profile_merge::equal(base, panel));
        working.pollrate = 99;
        takeEditedProfile(working, panel, base);
        QCOMPARE(int(working.pollrate), 99);
    }

};

QTEST_MAIN(TestProfileMerge)
#include "tst_profilemerge.moc"
