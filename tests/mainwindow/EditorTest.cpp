// The pattern editor in the window: its three buttons, what each does to the catalogue, the board,
// the caption and pivo.dat, and what the author is told when a command is refused or not written.

#include "TestGame.h"
#include "tests/model/TempFiles.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pivo::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Placement shifted(Placement placement, int dx, int dy) {
    for (TanPlacement& at : placement) {
        at.x = static_cast<std::uint8_t>(at.x + dx);
        at.y = static_cast<std::uint8_t>(at.y + dy);
    }
    return placement;
}

class Editor : public ::testing::Test {
protected:
    // Starts in editor mode at `level` of `group`, the pattern shown on the board.
    void startAt(int level, int group, int tongue = 0) {
        game.store("editor", "1");
        game.store("level", QString::number(level));
        game.store("group", QString::number(group));
        game.store("tongue", QString::number(tongue));
        game.store("patmode", "0");
        game.start();
    }
    void click(EditorButton which) { game.form().editorButton(which)->click(); }
    QString caption() { return game.form().windowTitle(); }
    Bytes onDisk() const {
        QFile file(QString::fromStdString(game.folder() + "pivo.dat"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        return {bytes.begin(), bytes.end()};
    }
    Bytes recordOnDisk(int entry) const {
        const Bytes file = onDisk();
        const auto from = file.begin() + (entry - 1) * RecordSize;
        return {from, from + RecordSize};
    }
    // Lays the whole figure with the mouse, tan by tan.
    void layFigure(const Placement& figure) {
        for (int tan = 1; tan <= TanCount; ++tan) game.lay(tan, figure[tan - 1]);
    }

    TestGame game;
};

// The buttons exist only for the catalogue's author: hidden unless `editor` is set, then at their
// places on the tool bar, with the same captions in either language and no tooltips.
TEST_F(Editor, ButtonsShowExactlyInEditorMode) {
    game.store("tongue", "1");
    game.start();
    for (EditorButton which : {EditorButton::Add, EditorButton::Save, EditorButton::Delete})
        EXPECT_FALSE(game.form().editorButton(which)->isVisible());

    game.store("editor", "1");
    game.restart();
    struct Expected {
        EditorButton which;
        const char* caption;
        QRect geometry;
    };
    for (const Expected& e : {Expected{EditorButton::Add, "Add", {429, 6, 51, 26}},
                              Expected{EditorButton::Save, "Save", {429, 27, 51, 26}},
                              Expected{EditorButton::Delete, "Delete", {480, 4, 45, 25}}}) {
        const QPushButton* button = game.form().editorButton(e.which);
        EXPECT_TRUE(button->isVisible()) << e.caption;
        EXPECT_EQ(button->text(), e.caption);
        EXPECT_EQ(QRect(button->mapTo(&game.form(), QPoint(0, 0)), button->size()), e.geometry) << e.caption;
        EXPECT_TRUE(button->toolTip().isEmpty()) << e.caption;
    }
}

// Add at entry 5 of category 2 stores the figure laid with the mouse as entry 5; the former entry 5
// becomes 6, the counts grow, the file gets its record, and the board and caption stay as they were.
TEST_F(Editor, AddStoresTheLaidFigureAsTheCurrentEntry) {
    startAt(5, 2);
    const Placement former5 = game.catalogue.entry(5).placement;
    const Placement figure = shifted(convexTriangle(), -25, -10);
    layFigure(figure);
    ASSERT_EQ(game.board().tans(), figure);
    const QString captionBefore = caption();
    const int refreshesBefore = game.windows.patternRefreshes;

    click(EditorButton::Add);

    EXPECT_EQ(game.model().tangram(), 5);
    EXPECT_EQ(game.model().category(), 2);
    EXPECT_EQ(game.catalogue.tangramCount(), 12);
    EXPECT_EQ(game.catalogue.categoryCount(2), 2);
    EXPECT_EQ(game.catalogue.entry(5).category, 2);
    EXPECT_EQ(game.catalogue.entry(5).placement, figure);
    EXPECT_EQ(game.catalogue.entry(6).placement, former5);
    EXPECT_EQ(onDisk().size(), 12u * RecordSize);
    EXPECT_EQ(recordOnDisk(5), record(2, figure));
    EXPECT_EQ(recordOnDisk(6), record(2, former5));
    EXPECT_EQ(game.board().pattern(), former5);
    EXPECT_EQ(game.board().tans(), figure);
    EXPECT_EQ(caption(), captionBefore);
    EXPECT_EQ(game.windows.patternRefreshes, refreshesBefore);
    EXPECT_TRUE(game.windows.messages.empty());
}

// Delete at entry 5 removes it from the file and shows the former entry 6, here the figure the add
// had pushed up; a delete whose follower is of another category goes on to the category's next one.
TEST_F(Editor, DeleteShowsTheEntryThatFollowedInTheCategory) {
    startAt(5, 2);
    const Placement former5 = game.catalogue.entry(5).placement;
    game.lay(3, {30, 30, 0});
    click(EditorButton::Add);
    ASSERT_EQ(game.catalogue.entry(6).placement, former5);

    click(EditorButton::Delete);
    EXPECT_EQ(game.model().tangram(), 5);
    EXPECT_EQ(game.board().currentTangram(), 5);
    EXPECT_EQ(game.board().pattern(), former5);
    EXPECT_EQ(game.board().tans(), startPlacement());
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Tools and household stuff - Tangram: 1");
    EXPECT_EQ(onDisk(), smallCatalogue());

    // Category 0 holds entries 1, 3 and 6; entry 4, which follows 3, is an Animal.
    QTest::mousePress(game.form().button(ToolButton::Category), Qt::RightButton);
    QTest::mousePress(game.form().button(ToolButton::Category), Qt::RightButton);
    game.form().button(ToolButton::Up)->click();
    ASSERT_EQ(game.model().tangram(), 3);
    const Placement former6 = game.catalogue.entry(6).placement;
    click(EditorButton::Delete);
    EXPECT_EQ(game.model().tangram(), 5);
    EXPECT_EQ(game.model().category(), 0);
    EXPECT_EQ(game.board().pattern(), former6);
    EXPECT_EQ(caption(), "Pivolet V3.1 - Category: Humans - Tangram: 3");
    EXPECT_EQ(onDisk().size(), 10u * RecordSize);
    EXPECT_TRUE(game.windows.messages.empty());
}

// Deleting the catalogue's last entry moves to the nearest entry of the same category before it.
TEST_F(Editor, DeleteOfTheLastEntryMovesBackWithinTheCategory) {
    startAt(11, 7);
    const Placement former11 = game.catalogue.entry(11).placement;
    click(EditorButton::Add);
    game.form().button(ToolButton::Up)->click();
    ASSERT_EQ(game.model().tangram(), 12);

    click(EditorButton::Delete);
    EXPECT_EQ(game.catalogue.tangramCount(), 11);
    EXPECT_EQ(game.model().tangram(), 11);
    EXPECT_EQ(game.model().category(), 7);
    EXPECT_EQ(game.board().pattern(), game.catalogue.entry(11).placement);
    EXPECT_NE(game.board().pattern(), former11);
}

// The only figure of a category is not deleted: the author is told why, and nothing changes.
TEST_F(Editor, DeleteOfACategorysOnlyEntryIsRefusedWithANotice) {
    startAt(5, 2, 1);
    click(EditorButton::Delete);
    ASSERT_EQ(game.windows.kinds(), std::vector<MessageKind>{MessageKind::Notice});
    EXPECT_EQ(game.windows.messages[0].text,
              "Das ist das einzige Tangram der Kategorie \"Werkzeuge und Hausrat\", und jede Kategorie braucht "
              "eines. Nichts wurde gelöscht.");
    EXPECT_EQ(game.catalogue.tangramCount(), 11);
    EXPECT_EQ(game.model().tangram(), 5);
    EXPECT_EQ(onDisk(), smallCatalogue());
}

// A catalogue of 3000 figures takes no more: the add is refused with a notice and changes nothing.
TEST_F(Editor, AddToAFullCatalogueIsRefusedWithANotice) {
    Bytes full = smallCatalogue();
    while (full.size() < std::size_t{MaxTangrams} * RecordSize) {
        const Bytes more = record(0, convexTriangle());
        full.insert(full.end(), more.begin(), more.end());
    }
    game.writeCatalogue(full);
    startAt(3, 0);
    game.lay(3, {30, 30, 0});

    click(EditorButton::Add);
    ASSERT_EQ(game.windows.kinds(), std::vector<MessageKind>{MessageKind::Notice});
    EXPECT_EQ(game.windows.messages[0].text,
              "The catalogue is full: it holds 3000 Tangrams already. Nothing was added.");
    EXPECT_EQ(game.catalogue.tangramCount(), MaxTangrams);
    EXPECT_EQ(game.catalogue.records(false), full);
    EXPECT_EQ(onDisk(), full);
}

// Save writes every figure centred while the figures in memory, the board and the caption stay; the
// next start reads the centred figures.
TEST_F(Editor, SaveCentresTheFileAndTheNextStartShowsIt) {
    Bytes offCentre;
    for (int i = 0; i < CategoryTotal; ++i) {
        const Bytes one = record(i, shifted(i % 2 ? convexTriangle() : convexSquare(), 3 * i - 20, i - 8));
        offCentre.insert(offCentre.end(), one.begin(), one.end());
    }
    game.writeCatalogue(offCentre);
    startAt(4, 3);
    const Placement shown = game.board().pattern().value();
    const QString captionBefore = caption();

    click(EditorButton::Save);
    EXPECT_TRUE(game.windows.messages.empty());
    EXPECT_EQ(game.catalogue.records(false), offCentre);
    EXPECT_EQ(game.board().pattern(), shown);
    EXPECT_EQ(caption(), captionBefore);
    Bytes centred;
    for (int i = 1; i <= CategoryTotal; ++i) {
        const Bytes one = record(i - 1, centredPlacement(game.catalogue.entry(i).placement));
        centred.insert(centred.end(), one.begin(), one.end());
    }
    ASSERT_NE(centred, offCentre);
    EXPECT_EQ(onDisk(), centred);

    ASSERT_TRUE(game.close());
    game.restart();
    EXPECT_EQ(game.model().tangram(), 4);
    EXPECT_EQ(game.board().pattern(), centredPlacement(shown));
    EXPECT_EQ(game.catalogue.records(false), centred);
}

// When pivo.dat cannot be replaced the author is told, the file stays whole and as it was, and the
// add stands in the game.
TEST_F(Editor, AFailedWriteIsReportedAndTheFileStays) {
    startAt(1, 0, 1);
    const scratch::FileSizeLimit driveFull(0);

    click(EditorButton::Add);
    ASSERT_EQ(game.windows.kinds(), std::vector<MessageKind>{MessageKind::Notice});
    EXPECT_EQ(game.windows.messages[0].text,
              "Datei pivo.dat konnte nicht geschrieben werden und ist unverändert. Die Änderung gilt nur im Spiel.");
    EXPECT_EQ(game.catalogue.tangramCount(), 12);
    EXPECT_EQ(game.catalogue.entry(1).placement, startPlacement());
    EXPECT_EQ(onDisk(), smallCatalogue());

    click(EditorButton::Save);
    ASSERT_EQ(game.windows.messages.size(), 2u);
    EXPECT_EQ(game.windows.messages[1].text, "Datei pivo.dat konnte nicht geschrieben werden und ist unverändert.");
    EXPECT_EQ(onDisk(), smallCatalogue());
}

}  // namespace
}  // namespace pivo::testing
