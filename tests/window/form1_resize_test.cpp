// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size: at the default size every control stands at its twips place and shows its
// whole text; larger windows give the grids the room, smaller ones down to a 1024 x 600 screen
// take it from them and keep the status line in view; the grids scroll together unless parted;
// the message box shows its whole title. Screenshots at three sizes land in the build folder.
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTimer>

#include "grids/result_grid_view.h"
#include "shell/grid_area_layout.h"
#include "widgets/message_notifier.h"
#include "widgets/twips.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// What of a control's text does not show: "lblMisAA: 'AA Missiles:' needs 60 x 13 in 57 x 17".
QString Clipped(const QWidget* control, const QString& text, const QRect& room, int flags) {
  const QFontMetrics metrics(control->font());
  const QRect needed = metrics.boundingRect(room, flags, text);
  const bool fits = (flags & Qt::TextWordWrap) ? room.contains(needed)
                                               : metrics.horizontalAdvance(text) <= room.width() &&
                                                     metrics.height() <= room.height();
  if (fits) return {};
  return QStringLiteral("%1: '%2' needs %3 x %4 in %5 x %6")
      .arg(control->objectName(), text)
      .arg(needed.width())
      .arg(needed.height())
      .arg(room.width())
      .arg(room.height());
}

// A caption drawn more than a pixel smaller than the window's text to make it fit.
QString Shrunk(const QWidget* control, const QWidget* client) {
  const int pixels = control->font().pixelSize();
  if (pixels >= client->font().pixelSize() - 1) return {};
  return QStringLiteral("%1: drawn at %2 pixels").arg(control->objectName()).arg(pixels);
}

// Every shown label, button and option of the client whose text is cut, or shrunk to fit.
QStringList ClippedTexts(const QWidget* client) {
  QStringList clipped;
  for (const QLabel* label : client->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    clipped << Clipped(label, label->text(), label->contentsRect(), int(label->alignment()) | wrap)
            << Shrunk(label, client);
  }
  for (const QPushButton* button : client->findChildren<QPushButton*>()) {
    // The command buttons wrap their caption inside a margin of 3 x 2 pixels.
    clipped << Clipped(button, button->text(), button->rect().adjusted(3, 2, -3, -2),
                       Qt::AlignCenter | Qt::TextWordWrap);
  }
  for (const QRadioButton* option : client->findChildren<QRadioButton*>()) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    clipped << Clipped(option, option->text(), room, Qt::AlignLeft | Qt::AlignVCenter)
            << Shrunk(option, client);
  }
  clipped.removeAll(QString());
  return clipped;
}

// The check aircraft's start-up table computed in "TAS" after a load that stopped, then every
// reason for the table to be out of date: each marker shows its longest text.
void ShowEveryMarker(Session& s, QTemporaryDir& scratch) {
  s.Load(kCheckAircraft);
  s.Type("txtCompWeight", "20000");
  QTest::mouseClick(s.form->Option2, Qt::LeftButton, {}, QPoint(6, s.form->Option2->height() / 2));
  s.Click(s.form->cmdCompute);
  QFile cut(scratch.filePath(QStringLiteral("a-long-aircraft-file-name-f-16c-block-50.dat")));
  QFile whole(QString::fromStdString(kCheckAircraft));
  QVERIFY(whole.open(QFile::ReadOnly) && cut.open(QFile::WriteOnly));
  cut.write(whole.readAll().left(2000));
  cut.close();
  s.Load(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat");
  s.Load(cut.fileName().toStdString());  // not loaded: the marker says so
  s.Type("txtSpMi", "160");
  s.Click(s.form->cmdTable);
  s.Type("txtMisAA", "1");
  QTest::mouseClick(s.form->Option3, Qt::LeftButton, {}, QPoint(6, s.form->Option3->height() / 2));
}

// Data rows of a grid that show whole.
int VisibleRows(const tz9::ResultGridView* grid) {
  return grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
}

QRect PlaceIn(const QWidget* control, const QWidget* window) {
  return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

void Show(Session& s, QSize clientSize) {
  s.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
  s.form->resize(s.form->size() - s.form->centralWidget()->size() + clientSize);
  QTRY_COMPARE(s.form->centralWidget()->size(), clientSize);
}

}  // namespace

class Form1ResizeTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowOpensAtTheDefaultSizeAndCanBeResized() {
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    QCOMPARE(s.form->centralWidget()->size(), QSize(15240 / 15, 10920 / 15));
    QVERIFY(s.form->minimumSize() != s.form->maximumSize());
  }

  // Client sizes: the default, larger, and the smallest. Everything above the box stays; the
  // box, its divider, the second caption and the grids follow the size.
  void GridAreaFollowsTheSizeWhileTheFieldsKeepTheirPlaces() {
    struct Case {
      const char* name;
      QSize client;
      QRect grid1, grid2, divider, caption2;
    };
    const QSize minimum = [] {
      Session probe;
      return probe.form->centralWidget()->minimumSize();
    }();
    QCOMPARE(minimum.width(), 15120 / 15 + 1);  // the box's right line still shows
    const int lost = (728 - minimum.height()) / 2;
    const Case cases[] = {
        {"default",
         {1016, 728},
         {16, 248, 985, 217},
         {16, 496, 985, 217},
         {8, 472, 1001, 1},
         {16, 480, 185, 17}},
        {"larger",
         {1416, 929},
         {16, 248, 1385, 317},
         {16, 596, 1385, 318},
         {8, 572, 1401, 1},
         {16, 580, 185, 17}},
        {"smallest",
         minimum,
         {16, 248, 978, 217 - lost},
         {16, 496 - lost, 978, 217 - lost},
         {8, 472 - lost, 994, 1},
         {16, 480 - lost, 185, 17}},
    };
    const auto where = [](const QString& name, const QRect& r) {
      return QStringLiteral("%1 %2,%3 %4x%5")
          .arg(name)
          .arg(r.x())
          .arg(r.y())
          .arg(r.width())
          .arg(r.height());
    };
    for (const Case& c : cases) {
      Session s;
      const QWidget* client = s.form->centralWidget();
      const QList<QWidget*> above = client->findChildren<QWidget*>(
          QRegularExpression("^(txt|cmd|Option|Shape|lblMis|lblSp|lblAl|lblFuelFlow)"));
      QStringList expected = {c.name};
      QStringList shown = {c.name};
      for (const QWidget* control : above)
        expected << where(control->objectName(), control->geometry());
      expected << where("MSFG1", c.grid1) << where("MSFG2", c.grid2) << where("Line5", c.divider)
               << where("lblLbsNm", c.caption2);
      Show(s, c.client);
      for (const QWidget* control : above)
        shown << where(control->objectName(), control->geometry());
      for (const char* name : {"MSFG1", "MSFG2", "Line5", "lblLbsNm"})
        shown << where(name, client->findChild<QWidget*>(name)->geometry());
      QCOMPARE(shown, expected);
      for (const tz9::ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2}) {
        QVERIFY2(VisibleRows(grid) >= 4, c.name);
        QVERIFY(client->rect().contains(grid->geometry()));
      }
    }
  }

  // A window opened on a small screen fits on it, with room for a title bar, and its status
  // line shows under grids of at least four rows.
  void OnASmallScreenTheWindowFitsAndTheStatusLineShows() {
    struct Case {
      const char* name;
      QRect available;  // the screen without its panels
    };
    const Case cases[] = {
        {"1024 x 600, no panel", {0, 0, 1024, 600}},
        {"1024 x 600 under a 27-pixel top bar", {0, 27, 1024, 573}},
        {"1366 x 768 above a 40-pixel task bar", {0, 0, 1366, 728}},
    };
    for (const Case& c : cases) {
      Session s;
      tz9::FitWindowToScreen(*s.form, c.available);
      s.form->show();
      QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
      QVERIFY2(
          s.form->width() <= c.available.width() && s.form->height() + 38 <= c.available.height(),
          c.name);
      const QRect status = PlaceIn(s.form->statusBar(), s.form.get());
      QVERIFY2(s.form->rect().contains(status) && s.form->lblStatus->isVisible(), c.name);
      for (const tz9::ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2})
        QVERIFY2(VisibleRows(grid) >= 4, c.name);
    }
    // With the Cell Details panel open the window still fits a 1366-pixel screen.
    Session s;
    s.form->mnuViewDetails->trigger();
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    QVERIFY2(s.form->minimumSizeHint().width() <= 1366 - 16,
             qPrintable(QString::number(s.form->minimumSizeHint().width())));
  }

  // In the face at hand a caption may be drawn one pixel smaller than the window's text to fit
  // its place, no smaller.
  void NothingIsClippedAtTheDefaultSize() {
    Session s;
    QTemporaryDir scratch;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    QVERIFY2(ClippedTexts(s.form->centralWidget()).isEmpty(),
             qPrintable(ClippedTexts(s.form->centralWidget()).join("; ")));
    ShowEveryMarker(s, scratch);
    QVERIFY(s.form->findChild<QLabel*>("lblAircraftState")->isVisible());
    QVERIFY(s.form->findChild<QLabel*>("lblOutOfDate")->text().count(',') == 2);
    QVERIFY2(ClippedTexts(s.form->centralWidget()).isEmpty(),
             qPrintable(ClippedTexts(s.form->centralWidget()).join("; ")));
  }

  void MessageBoxShowsItsWholeTitle() {
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      QFont title = box->font();
      title.setBold(true);
      title.setPointSizeF(title.pointSizeF() * 1.4);
      // A title bar's three buttons and margins take about 120 pixels beside the title.
      const int needed = QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 120;
      seen = box->width() >= needed ? "whole"
                                    : QStringLiteral("%1 < %2").arg(box->width()).arg(needed);
      box->button(QMessageBox::Ok)->click();
    });
    tz9::MessageBoxNotifier(nullptr).Inform("Strakon TZ9 Performances", "Work in Progress");
    QCOMPARE(seen, "whole");
  }

  // Scrolling one grid scrolls the other, both ways, until "Link Grid Scrolling" is unchecked.
  void GridsScrollTogetherUntilParted() {
    Session s;
    s.Type("txtSpS2", "10");
    s.Type("txtAlS2", "500");
    s.Click(s.form->cmdTable);
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    auto* link = s.form->findChild<QAction*>("mnuViewLinkScroll");
    QVERIFY(link != nullptr && link->isCheckable() && link->isChecked());
    QCOMPARE(link->text(), "&Link Grid Scrolling");
    QVERIFY(s.form->mnuView->actions().contains(link));
    const auto positions = [&s] {
      return QStringList({QString::number(s.form->MSFG1->horizontalScrollBar()->value()),
                          QString::number(s.form->MSFG1->verticalScrollBar()->value()),
                          QString::number(s.form->MSFG2->horizontalScrollBar()->value()),
                          QString::number(s.form->MSFG2->verticalScrollBar()->value())});
    };
    s.form->MSFG1->horizontalScrollBar()->setValue(5);
    s.form->MSFG2->verticalScrollBar()->setValue(3);
    QCOMPARE(positions(), QStringList({"5", "3", "5", "3"}));
    link->trigger();
    s.form->MSFG1->horizontalScrollBar()->setValue(7);
    s.form->MSFG2->verticalScrollBar()->setValue(1);
    QCOMPARE(positions(), QStringList({"7", "3", "5", "1"}));
    link->trigger();  // linked again: the second grid joins the first
    QCOMPARE(positions(), QStringList({"7", "3", "7", "3"}));
  }

  // The window as a screen of each size shows it: opened on it, or maximised on it.
  void Screenshots() {
    struct Case {
      const char* file;
      QRect available;  // the screen without its panels and the window's frame
      bool maximised;
    };
    const Case cases[] = {{"default", {}, false},
                          {"maximised-1920x1080", {0, 27, 1920, 1053 - 38}, true},
                          {"1366x768", {0, 27, 1366, 741}, false}};
    for (const Case& c : cases) {
      Session s;
      QTemporaryDir scratch;
      if (c.maximised) s.form->resize(c.available.size());
      if (!c.maximised && c.available.isValid()) tz9::FitWindowToScreen(*s.form, c.available);
      s.form->show();
      QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
      ShowEveryMarker(s, scratch);
      const QString folder = QFileInfo(QStringLiteral(TZ9_SCREENSHOT_PATH)).path();
      QVERIFY(s.form->grab().save(folder + "/tz9perf-" + c.file + ".png"));
    }
  }
};

QTEST_MAIN(Form1ResizeTest)
#include "form1_resize_test.moc"
