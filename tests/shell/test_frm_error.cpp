#include "shell/twips.h"
#include "shell/ui/frm_error.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace tarnwick;

namespace {
QList<QWidget*> taggedWidgets(const frmError& dialog) {
    QList<QWidget*> tagged;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->property(frmError::kTagProperty) == frmError::kDetailsTag)
            tagged << widget;
    }
    return tagged;
}

struct Layout {
    int height;
    QString buttonText;
    QList<bool> taggedVisible;
    bool operator==(const Layout&) const = default;
};

Layout layoutOf(const frmError& dialog) {
    Layout layout{
        dialog.height(), dialog.findChild<QPushButton*>(QStringLiteral("cmdDetails"))->text(), {}};
    for (QWidget* widget : taggedWidgets(dialog))
        layout.taggedVisible << widget->isVisibleTo(&dialog);
    return layout;
}

QString labelText(const frmError& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QLatin1String(name))->text();
}

void clickDetails(frmError& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("cmdDetails"))->click();
}

frmError* shownDialog() {
    auto* dialog = new frmError;
    dialog->SetError(QStringLiteral("Unable to read the connection file."), QStringLiteral("75"),
                     QStringLiteral("tarnwick"),
                     QStringLiteral("Path/File access error: /home/user/Connections/site 7.tlc"));
    dialog->show();
    return dialog;
}
} // namespace

TEST(frmError, OpensCollapsedWithTheDetailAreaTagged) {
    std::unique_ptr<frmError> dialog(shownDialog());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tarnwick"));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(dialog->DetailsShown());
    EXPECT_EQ(dialog->height(), twipsToPixels(2010, dialog->logicalDpiY()));
    EXPECT_EQ(labelText(*dialog, "lblError"),
              QStringLiteral("Unable to read the connection file."));
    QStringList tagged;
    for (QWidget* widget : taggedWidgets(*dialog))
        tagged << widget->objectName();
    tagged.sort();
    EXPECT_EQ(tagged,
              (QStringList{QStringLiteral("lblErrDescription"), QStringLiteral("lblErrNum"),
                           QStringLiteral("lblErrSource"), QStringLiteral("lblErrorDetails"),
                           QStringLiteral("lblErrorDetails"), QStringLiteral("lblErrorDetails"),
                           QStringLiteral("scrErrDescription"), QStringLiteral("sspDivider")}));
}

TEST(frmError, TogglingDetailsTwiceReturnsToTheFirstLayout) {
    std::unique_ptr<frmError> dialog(shownDialog());
    const Layout collapsed = layoutOf(*dialog);
    EXPECT_EQ(collapsed.buttonText, QStringLiteral("&Details >>"));
    EXPECT_FALSE(collapsed.taggedVisible.contains(true));

    clickDetails(*dialog);
    const Layout expanded = layoutOf(*dialog);
    EXPECT_TRUE(dialog->DetailsShown());
    EXPECT_EQ(expanded.height, twipsToPixels(4130, dialog->logicalDpiY()));
    EXPECT_EQ(expanded.buttonText, QStringLiteral("Hide &Details <<"));
    EXPECT_FALSE(expanded.taggedVisible.contains(false));

    clickDetails(*dialog);
    EXPECT_EQ(layoutOf(*dialog), collapsed);
    clickDetails(*dialog);
    EXPECT_EQ(layoutOf(*dialog), expanded);
}

// The expanded height stays as stated; a description longer than its room scrolls, so that
// its end can be reached on screen, and an ordinary one shows no scroll bar.
TEST(frmError, ALongDescriptionScrollsAndAShortOneFits) {
    std::unique_ptr<frmError> dialog(shownDialog());
    clickDetails(*dialog);
    QApplication::processEvents();
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblErrDescription"));
    auto* area = dialog->findChild<QScrollArea*>(QStringLiteral("scrErrDescription"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);

    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("line %1 of a long description").arg(i);
    dialog->SetError(QStringLiteral("Failed."), QStringLiteral("5"), QStringLiteral("tarnwick"),
                     lines.join(u'\n'));
    QApplication::processEvents();
    EXPECT_EQ(dialog->height(), twipsToPixels(4130, dialog->logicalDpiY()));
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "nothing cut off";
    QScrollBar* bar = area->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const QPoint lastLine = label->mapTo(area->viewport(), QPoint(0, label->height() - 1));
    EXPECT_TRUE(area->viewport()->rect().contains(lastLine)) << "the end can be shown";
}

TEST(frmError, CopyPutsTheFourLinesOnTheClipboardEvenWhenPartsAreEmpty) {
    frmError dialog;
    dialog.SetError(QString(), QStringLiteral("13"), QString(), QStringLiteral("Type mismatch"));
    dialog.findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Error Message: \r\nError Number: 13\r\nError Source: \r\n"
                             "Error Description: Type mismatch"));
    EXPECT_EQ(labelText(dialog, "lblError"), QString());
}

// Pictures of both states for a person to look at.
TEST(frmError, Screenshots) {
    std::unique_ptr<frmError> dialog(shownDialog());
    const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/frmError-collapsed.png")));
    clickDetails(*dialog);
    QApplication::processEvents(); // the scroll bar settles once the layout has run
    EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/frmError-expanded.png")));
    dialog->SetError(QStringLiteral("An error occurred."), QStringLiteral("75"),
                     QStringLiteral("tarnwick"),
                     QStringLiteral("Path/File access error: ").repeated(30) +
                         QStringLiteral("the end of the description."));
    QApplication::processEvents();
    EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/frmError-long-description.png")));
}
