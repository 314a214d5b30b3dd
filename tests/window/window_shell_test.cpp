// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell, as only a window can show it: its controls (names, places that do not
// collide, captions that fit, the focus order, the menus), its sizes, its keys, which field feeds
// which count, the real dialogs, and the status line's word for each outcome. The logic under it
// (staleness, computations, loads) is tested through the workspace and the core.
#include <QAbstractItemModelTester>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "common/version.h"
#include "grids/result_grid_model.h"
#include "loadout/loadout.h"
#include "shell/grid_area_layout.h"
#include "widgets/credits_window.h"
#include "widgets/twips.h"
#include "widgets/user_guide.h"
#include "widgets/window_messages.h"
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

QWidget* FocusAfter(QWidget* from, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  from->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(from, key, modifiers);
  return QApplication::focusWidget();
}

// Answers the next modal dialog as soon as it shows.
template <typename Dialog>
void WhenTheDialogShows(QObject* context, std::function<void(Dialog*)> answer) {
  QTimer::singleShot(0, context, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY2(dialog != nullptr, "no dialog");
    answer(dialog);
  });
}

// The controls the layout places, beside the labels of the fields.
const QStringList kControls =
    QString(
        "txtFile txtAereo txtMisAA txtMisAG txtBombe txtCluster txtFuelTank txtEcm txtExtraWeight "
        "txtZFW txtMTOW txtIntFuel txtExtFuel txtTotalFuel txtActualWeight txtCompWeight txtSpMi "
        "txtSpS1 txtSpSt txtSpS2 txtSpMa txtAlMi txtAlS1 txtAlSt txtAlS2 txtAlMa lblSpeedRange "
        "lblAltitudeRange lblWeight lblCompWeight cmdTable cmdWeight cmdCompute Label1 Option1 "
        "Option2 Option3 lblTableLegend lblLegendSpeed lblLegendPower Shape1 Shape2 Shape3 Shape4 "
        "lblSpeed1 lblPower1 lblSpeed2 lblPower2 lblSpeed3 lblPower3 lblSpeed4 lblPower4 "
        "lblFuelFlow lblLbsNm MSFG1 MSFG2")
        .split(' ');

// The check aircraft's text with one text replaced, or cut short before it (to == nullptr).
QByteArray CheckAircraftWith(const char* from, const char* to) {
  QFile file(QString::fromStdString(kCheckAircraft));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no check aircraft");
  const QByteArray text = file.readAll().replace("\r", "");
  if (from == nullptr) return text;
  if (!text.contains(from)) qFatal("no %s in the check aircraft", from);
  return to == nullptr ? text.left(text.indexOf(from)) : QByteArray(text).replace(from, to);
}

QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
  QFile file(folder.filePath(name));
  if (!file.open(QFile::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
  return file.fileName();
}

// One step of a session: load a file of the given bytes, a folder or a missing file, or paste
// the text into the field, then press Compute Table or Create Table (which must change neither
// grid). Afterwards the field's text begins with kept and the status line contains status.
struct SessionStep {
  QString act;  // "file", "folder", "missing", "compute", "table"
  const char* field;
  QByteArray text;
  QString kept;
  QString status;
};

}  // namespace

class WindowShellTest : public QObject {
  Q_OBJECT

 private slots:
  // Each field as "name=start text", then "edit" when the user may change it, "left" when its
  // text is not centred, "hidden" when it does not show.
  void FieldsOpenWithTheirTextsStatesAndAlignment() {
    Session s;
    s.form->show();
    QStringList shown;
    for (const QLineEdit* f : s.form->centralWidget()->findChildren<QLineEdit*>()) {
      shown << f->objectName() + "=" + f->text() + (f->isEnabled() ? " edit" : "") +
                   (f->alignment() & Qt::AlignHCenter ? "" : " left") +
                   (f->isVisible() ? "" : " hidden");
    }
    QStringList expected =
        QString(
            "txtFile= left,txtAereo= left,txtMisAA=0 edit,txtMisAG=0 edit,txtBombe=0 edit,"
            "txtCluster=0 edit,txtFuelTank=0 edit,txtEcm=0 edit,txtZFW=,txtMTOW=,txtIntFuel=,"
            "txtExtFuel=,txtTotalFuel=0,txtActualWeight=0,txtExtraWeight=0 hidden,"
            "txtCompWeight=0 edit,txtSpMi=150 edit,txtSpS1=50 edit,txtSpSt=250 edit,"
            "txtSpS2=30 edit,txtSpMa=660 edit,txtAlMi=0 edit,txtAlS1=500 edit,"
            "txtAlSt=1000 edit,txtAlS2=5000 edit,txtAlMa=40000 edit")
            .split(',');
    shown.sort();
    expected.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(s.form->windowTitle(), QStringLiteral("Strakon TZ9 Performances"));
  }

  // Every control of the layout stands on the client, named; none overlaps another but for the
  // frames and lines drawn around them and the indicators in the grids' caption rows.
  void ControlsStandApartOnTheClient() {
    Session s;
    const QWidget* client = s.form->centralWidget();
    for (const QString& name : kControls) {
      const auto* control = client->findChild<QWidget*>(name);
      QVERIFY2(control != nullptr && control->parentWidget() == client, qPrintable(name));
    }
    QStringList overlaps;
    const QList<QWidget*> all = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < all.size(); ++i) {
      for (qsizetype j = i + 1; j < all.size(); ++j) {
        const QWidget* a = all[i];
        const QWidget* b = all[j];
        if (a->isHidden() || b->isHidden() || !a->geometry().intersects(b->geometry())) continue;
        if (qobject_cast<const QFrame*>(a) && !qobject_cast<const QLabel*>(a)) continue;
        if (qobject_cast<const QFrame*>(b) && !qobject_cast<const QLabel*>(b)) continue;
        // A label may run under its own field when its text ends before the field begins.
        const auto* label = qobject_cast<const QLabel*>(a->objectName() < b->objectName() ? a : b);
        const QWidget* field = label == a ? b : a;
        if (label != nullptr && field->objectName() == "txt" + label->objectName().mid(3) &&
            label->x() + label->fontMetrics().horizontalAdvance(label->text()) <= field->x())
          continue;
        QStringList pair = {a->objectName(), b->objectName()};
        pair.sort();
        overlaps << pair.join('/');
      }
    }
    // The indicators stand in the grids' caption rows, right of the captions' text.
    overlaps.removeAll("lblFuelFlow/lblOutOfDate");
    overlaps.removeAll("lblLbsNm/lblSecondGridShows");
    QCOMPARE(overlaps.join(" "), QString());
  }

  void CountFieldsCarryTheirToolTips() {
    Session s;
    QCOMPARE(s.Field("txtMisAA")->toolTip(), "Numbers of AA Missiles loaded (AIM120)");
    QCOMPARE(s.Field("txtMisAG")->toolTip(), "Numbers of AG Missiles loaded (AGM65B)");
    QCOMPARE(s.Field("txtBombe")->toolTip(), "Numbers of Iron Bombs loaded (MK82)");
    QCOMPARE(s.Field("txtCluster")->toolTip(), "Numbers of Cluster Bombs loaded (CBU-52)");
    QCOMPARE(s.Field("txtEcm")->toolTip(), "Numbers of ECM Pods loaded (ALQ131)");
    QCOMPARE(s.Field("txtFuelTank")->toolTip(), "Numbers of Fuel Tanks loaded (370USG)");
  }

  void TabFollowsTheFocusOrder() {
    const QStringList expected =
        QString(
            "txtMisAA txtMisAG txtBombe txtCluster txtFuelTank txtEcm txtCompWeight cmdCompute "
            "cmdWeight txtSpMi txtSpS1 txtSpSt txtSpS2 txtSpMa txtAlMi cmdTable txtAlS1 txtAlSt "
            "txtAlS2 txtAlMa Option1")
            .split(' ');
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    QStringList order;
    for (QWidget* w = s.Field("txtMisAA"); order.size() < expected.size();
         w = w->nextInFocusChain()) {
      if (w->isEnabled() && w->isVisible() && w->focusPolicy() & Qt::TabFocus) {
        order << w->objectName();
      }
    }
    QCOMPARE(order, expected);
  }

  // The original menus keep their items, captions and order; our additions stand in the View
  // menu between them, or beside the original items (each addition's own test checks it).
  void MenusCarryTheirCaptionsAndNames() {
    Session s;
    QStringList tops;
    QStringList original;
    const QStringList names = {"mnuFileApri", "mnuFileSalva", "mnuFileNome",
                               "mnuFileEsci", "mnuHelp",      "mnuCred"};
    for (const QAction* top : s.form->menuBar()->actions()) {
      tops << top->menu()->objectName() + "=" + top->text();
      for (const QAction* item : top->menu()->actions()) {
        if (names.contains(item->objectName())) original << item->objectName() + "=" + item->text();
      }
    }
    QCOMPARE(tops, QStringList({"mnuFile=&File", "mnuView=&View", "mnuHelp1=&?"}));
    QCOMPARE(original,
             QStringList({"mnuFileApri=&Load", "mnuFileSalva=&Save", "mnuFileNome=S&ave As",
                          "mnuFileEsci=&Exit", "mnuHelp=&Help", "mnuCred=&Credits"}));
  }

  void GridsOpenWithTheStartupTable() {
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    for (const tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
      const QAbstractItemModel* m = view->model();
      QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), " 150");
      QCOMPARE(m->headerData(22, Qt::Horizontal).toString(), " 850");
      QCOMPARE(m->headerData(0, Qt::Vertical).toString(), "0 ft");
      QCOMPARE(m->headerData(10, Qt::Vertical).toString(), "40000 ft");
      QCOMPARE(QSize(m->columnCount(), m->rowCount()), QSize(23, 11));
      QCOMPARE(view->horizontalHeader()->sectionSize(5), 600 / 15);
      QCOMPARE(view->verticalHeader()->width(), 870 / 15);
      QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }
  }

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

  // With the check aircraft loaded, 20000 lb typed and "before" on the status line: a field, the
  // key pressed in it, and the status line and computing weight afterwards, which tell which
  // command ran.
  void KeysPressTheirCommands() {
    struct Case {
      const char* field;
      QString typed;  // replaces the field's text first, unless empty
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      QString status, weight;
    };
    const QString loaded = "Loaded check-aircraft.dat.";
    const Case cases[] = {
        {"txtSpS1",
         "0",
         Qt::Key_Return,
         {},
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed.",
         "20000"},
        {"txtAlMa", "30000", Qt::Key_Enter, {}, "Table of 17 speeds by 9 altitudes.", "20000"},
        {"txtMisAA", "", Qt::Key_Return, {}, "before", "26000"},
        {"txtFuelTank", "", Qt::Key_Enter, {}, "before", "26000"},
        {"txtCompWeight", "", Qt::Key_Return, {}, "Computed 253 cells.", "20000"},
        {"txtSpMi", "", Qt::Key_F5, {}, "Computed 253 cells.", "20000"},
        {"txtCompWeight", "", Qt::Key_O, Qt::ControlModifier, loaded, "20000"},
    };
    for (const Case& c : cases) {
      Session s;
      ShowActive(s);
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "20000");
      if (!c.typed.isEmpty()) s.Type(c.field, c.typed);
      QLineEdit* field = s.Field(c.field);
      field->setFocus();
      s.form->lblStatus->setText("before");
      QTest::keyClick(field, c.key, c.modifiers);
      QCOMPARE(QStringList({c.field, s.Status(), s.Text("txtCompWeight")}),
               QStringList({c.field, c.status, c.weight}));
    }
  }

  // Tab and Shift+Tab leave a grid for the next control; the arrow keys move inside it.
  void TabLeavesAGridArrowsMoveInside() {
    Session s;
    ShowActive(s);
    tz9::ResultGridView* first = s.form->MSFG1;
    tz9::ResultGridView* second = s.form->MSFG2;
    QCOMPARE(FocusAfter(first, Qt::Key_Tab), second);
    QCOMPARE(FocusAfter(second, Qt::Key_Backtab, Qt::ShiftModifier), first);
    first->setCurrentIndex(first->model()->index(0, 0));
    QTest::keyClick(first, Qt::Key_Down);
    QTest::keyClick(first, Qt::Key_Right);
    QCOMPARE(first->currentIndex(), first->model()->index(1, 1));
    QCOMPARE(QApplication::focusWidget(), first);
  }

  // The guide opens from its menu item and from F1, once, beside "&Help", which still says
  // "Work in Progress".
  void UserGuideOpensFromItsItemAndF1() {
    Session s;
    ShowActive(s);
    auto* item = s.form->findChild<QAction*>("mnuGuide");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), "&User Guide");
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
    const QList<QAction*> items = s.form->mnuHelp1->actions();
    QCOMPARE(items.indexOf(item) + 1, items.indexOf(s.form->mnuHelp));
    QVERIFY(s.form->findChild<tz9::UserGuideWindow*>() == nullptr);  // none at start
    QTest::keyClick(s.form->txtSpMi, Qt::Key_F1);
    auto* guide = s.form->findChild<tz9::UserGuideWindow*>("frmGuide");
    QVERIFY(guide != nullptr && guide->isVisible());
    guide->close();
    item->trigger();
    QCOMPARE(s.form->findChildren<tz9::UserGuideWindow*>().size(), 1);
    QVERIFY(guide->isVisible());
    s.form->mnuHelp->trigger();
    QCOMPARE(s.messages, QStringList("Strakon TZ9 Performances|Work in Progress"));
  }

  // The guide covers what a pilot meets in the window, and its worked example is the table that
  // Create Table makes of the ranges the window opens with.
  void UserGuideExplainsTheWindowWithItsOwnExample() {
    Session s;
    s.Click(s.form->cmdTable);
    QStringList speeds;
    QStringList altitudes;
    for (int i = 1; i <= 4; ++i) {
      speeds << QString::fromStdString(std::string(s.form->grid1().TextAt(0, i)));
      altitudes << QString::fromStdString(std::string(s.form->grid1().TextAt(i, 0))).trimmed();
    }
    const tz9::UserGuideWindow guide(nullptr);
    const QString text = guide.findChild<QTextBrowser*>("txtGuide")->toPlainText();
    const QStringList phrases = {
        "calibrated airspeed",
        "speed 150, 50, 250, 30, 660 gives " + speeds.join(", "),
        "altitude 0, 500, 1000, 5000, 40000 gives " + altitudes.join(", ").remove(" ft"),
        "Step1",
        "Step2",
        "white",
        "yellow",
        "green",
        "red",
        "\"------\"",
        "Out of date",
        "View > Cell Details",
        "tooltip",
        "Best-speed marks",
        "Performance Summary",
        "View > Charts",
        "Mission Fuel",
        "File > Export",
        "tz9perf-table",
        "F5",
        "Ctrl+O",
    };
    QStringList missing;
    for (const QString& phrase : phrases) {
      if (!text.contains(phrase)) missing << phrase;
    }
    QCOMPARE(missing, QStringList());
  }

  // A computing weight typed, then the focus to a count field, then one action: only moving to
  // another control of the window runs the field's LostFocus, which recomputes the weights.
  void OnlyLeavingForAnotherControlRunsLostFocus() {
    struct Case {
      const char* name;
      std::function<void(Session&)> act;
      QString weight;
    };
    const Case cases[] = {
        {"File menu opened",
         [](Session& s) {
           s.form->mnuFile->popup(s.form->mapToGlobal(QPoint(0, 0)));
           QVERIFY(QTest::qWaitForWindowExposed(s.form->mnuFile));
           s.form->mnuFile->close();
         },
         "20000"},
        {"menu bar entered with Alt",
         [](Session& s) {
           QTest::keyClick(s.form->txtMisAA, Qt::Key_Alt);
           QTest::keyClick(s.form->menuBar(), Qt::Key_Escape);
         },
         "20000"},
        {"a dialog shown",
         [](Session& s) {
           QDialog dialog(s.form.get());
           new QLineEdit(&dialog);  // takes the focus, as a file dialog's name field does
           dialog.show();
           dialog.activateWindow();  // as a window manager does for a new dialog
           QTRY_VERIFY(QApplication::activeWindow() == &dialog);
         },
         "20000"},
        {"another window activated",
         [](Session&) {
           QWidget other;
           other.show();
           other.activateWindow();
           QVERIFY(QTest::qWaitForWindowActive(&other));
         },
         "20000"},
        {"Tab to the next field",
         [](Session& s) { QTest::keyClick(s.form->txtMisAA, Qt::Key_Tab); }, "26000"},
        {"click into another field",
         [](Session& s) { QTest::mouseClick(s.form->txtSpMi, Qt::LeftButton); }, "26000"},
    };
    for (const Case& c : cases) {
      Session s;
      ShowActive(s);
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "20000");
      QTest::mouseClick(s.form->txtMisAA, Qt::LeftButton);
      QVERIFY(s.form->txtMisAA->hasFocus());
      c.act(s);
      QCOMPARE(QStringList({c.name, s.Text("txtCompWeight")}), QStringList({c.name, c.weight}));
    }
  }

  // Every kind counted at once, each field a different number: the loadout sums them, and the
  // computation holds each count under its own store. At 300 kt, 0 ft the stores add 1489.41 lbf
  // to the check aircraft's 2371.18: 3860.59 lbf on afterburner, 7721 lb/h.
  void ComputeTableTakesEachCountFromItsOwnField() {
    const struct {
      const char* field;
      const char* count;
      const char* store;
    } counts[] = {{"txtMisAA", "1", "AIM120"}, {"txtMisAG", "2", "AGM65B"},
                  {"txtBombe", "3", "MK82"},   {"txtCluster", "4", "CBU-52"},
                  {"txtEcm", "5", "ALQ131"},   {"txtFuelTank", "6", "370USG"}};
    Session s;
    s.Load(kCheckAircraft);
    for (const auto& c : counts)
      s.Type(c.field, c.count);
    QCOMPARE(s.Text("txtExtraWeight") + " " + s.Text("txtExtFuel"), QStringLiteral("20230 14430"));
    for (const char* range : {"txtSpMi", "txtSpSt", "txtSpMa"})
      s.Type(range, "300");
    for (const char* range : {"txtAlMi", "txtAlSt", "txtAlMa"})
      s.Type(range, "0");
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);

    const auto computation = s.form->computation();
    QVERIFY(computation != nullptr);
    for (const auto& c : counts) {
      const auto row = static_cast<size_t>(tz9::StoreRowOf(c.store));
      QCOMPARE(QString::number(computation->counts[row]) + " " + c.store,
               QString(c.count) + " " + c.store);
    }
    const QModelIndex cell = s.form->MSFG1->model()->index(0, 0);
    QCOMPARE(cell.data().toString(), QStringLiteral("7721"));
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    const tz9::LevelFlightPoint core =
        tz9::EvaluateLevelFlight(s.form->aircraft(), 20000, {1, 2, 3, 4, 5, 6}, 300, 0);
    QCOMPARE(core.fuelFlow, 7721.0);
    QVERIFY(s.form->CurrentStaleness().Current());
  }

  // A count field that holds no number turns to "0" when it changes and when it loses focus.
  void EachCountFieldCountsItsOwnStoreAndCleansItself() {
    // The field, then the stores weight and external fuel of one store in it alone.
    const char* cases[][3] = {{"txtMisAA", "150", "0"}, {"txtMisAG", "225", "0"},
                              {"txtBombe", "500", "0"}, {"txtCluster", "800", "0"},
                              {"txtEcm", "100", "0"},   {"txtFuelTank", "2405", "2405"}};
    Session s;
    s.Load(kCheckAircraft);
    for (const auto& [name, storesWeight, externalFuel] : cases) {
      const auto seen = [&s, name = QString(name)](const char* field) {
        return name + " " + s.Text(field);
      };
      s.Type(name, "x", /*paste=*/true);
      QCOMPARE(seen(name), QString(name) + " 0");
      s.Type(name, "1");
      QCOMPARE(seen("txtExtraWeight"), QString(name) + " " + storesWeight);
      QCOMPARE(seen("txtExtFuel"), QString(name) + " " + externalFuel);
      QLineEdit* field = s.Field(name);
      {
        const QSignalBlocker quiet(field);
        field->setText(QStringLiteral("x"));
      }
      QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(field, &leaving);
      QCOMPARE(seen(name), QString(name) + " 0");
      QCOMPARE(seen("txtExtraWeight"), QString(name) + " 0");
    }
  }

  void CountEditsAndComputeWeightRewriteTheFiguresAComputingWeightEditDoesNot() {
    Session s;
    s.Load(kCheckAircraft);
    const auto figures = [&s] {
      return QStringList({s.Text("txtExtraWeight"), s.Text("txtExtFuel"), s.Text("txtTotalFuel"),
                          s.Text("txtActualWeight"), s.Text("txtCompWeight")});
    };
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(s.form->txtFuelTank, &leaving);
    QCOMPARE(figures(), QStringList({"0", "0", "7000", "26000", "26000"}));
    s.Type("txtFuelTank", "2");
    const QStringList twoTanks = {"4810", "4810", "11810", "35620", "35600"};
    QCOMPARE(figures(), twoTanks);
    s.Type("txtCompWeight", "12000 lb");
    QCOMPARE(figures(), QStringList(twoTanks.mid(0, 4)) << "12000 lb");
    s.Click(s.form->cmdWeight);
    QCOMPARE(figures(), twoTanks);
    s.Type("txtCompWeight", "12000 lb");
    s.Type("txtMisAA", "1");
    QCOMPARE(s.Text("txtCompWeight"), QStringLiteral("35700"));
  }

  void WaitCursorIsGoneAfterComputeTable() {
    const struct {
      const char* name;
      bool load;
      const char* weight;
    } cases[] = {{"refused: no aircraft", false, "20000"},
                 {"refused: weight below the zero fuel weight", true, "100"},
                 {"computed", true, "20000"}};
    for (const auto& c : cases) {
      Session s;
      if (c.load) s.Load(kCheckAircraft);
      s.Type("txtCompWeight", c.weight);
      s.Click(s.form->cmdCompute);
      QVERIFY2(QApplication::overrideCursor() == nullptr, c.name);
    }
  }

  // What the legend shows in the middle of each swatch, drawn as the screen shows it.
  void LegendSwatchesShowTheFourCellColours() {
    const std::pair<const char*, QColor> swatches[] = {{"Shape1", QColor(255, 255, 255)},
                                                       {"Shape2", QColor(255, 255, 0)},
                                                       {"Shape3", QColor(0, 255, 0)},
                                                       {"Shape4", QColor(255, 0, 0)}};
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    for (const auto& [name, colour] : swatches) {
      auto* swatch = s.form->findChild<QWidget*>(name);
      const QImage shown = swatch->grab().toImage();
      QCOMPARE(shown.pixelColor(shown.rect().center()).name() + " " + name,
               colour.name() + " " + name);
    }
    // The best-speed frame, in the marks' colour, while the marks show.
    const QImage frame = s.form->shpBestSpeed->grab().toImage();
    QCOMPARE(frame.pixelColor(1, frame.height() / 2).name(), QStringLiteral("#000080"));
    s.form->mnuViewMarks->trigger();
    QVERIFY(!s.form->shpBestSpeed->isVisible() && !s.form->lblBestSpeed->isVisible());
  }

  // The start-up speed headers have a blank in front (" 150"); the copy does not.
  void CopyingFromTheStartupTableGivesTrimmedHeaders() {
    Session s;
    s.Load(kCheckAircraft);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    tz9::ResultGridView* view = s.form->MSFG1;
    const QAbstractItemModel* model = view->model();
    view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(model->index(1, 1), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), "\t150\t200\n0 ft\t1074\t\n500 ft\t\t1280\n");
  }

  // The real dialog, as the Load command opens it: rejected, then a file chosen.
  void OpenFileDialogTellsACancelFromAChoice() {
    tz9::DialogAircraftFileChooser chooser(nullptr);
    WhenTheDialogShows<QFileDialog>(this, [](QFileDialog* dialog) { dialog->reject(); });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>());

    const QString path = QFileInfo(QString::fromStdString(kCheckAircraft)).absoluteFilePath();
    WhenTheDialogShows<QFileDialog>(this, [path](QFileDialog* dialog) {
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, which checks the file
    });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>(path.toStdString()));
  }

  // The models stay sound through a layout that resizes the grids, which resets each view once;
  // a sweep then signals each view once, as changed cells, without a reset.
  void ModelsPassTheTesterALayoutResetsAndASweepChangesEachViewOnce() {
    QString seen;
    Session s;
    for (const tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
      QAbstractItemModel* model = view->model();
      new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                   s.form.get());
      const QString name = view->objectName();
      connect(model, &QAbstractItemModel::modelReset, [&seen, name] { seen += name + " reset;"; });
      connect(model, &QAbstractItemModel::dataChanged, [&seen, name] { seen += name + " cells;"; });
    }
    s.Load(kCheckAircraft);
    s.Click(s.form->cmdTable);
    QCOMPARE(s.Status() + seen, "Table of 17 speeds by 11 altitudes.MSFG1 reset;MSFG2 reset;");
    seen.clear();
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status() + seen, "Computed 187 cells.MSFG1 cells;MSFG2 cells;");
  }

  void ModelShowsBbggrrColoursAndAlignsOnlyCentredColumns() {
    QCOMPARE(tz9::QColorFromColour(0x00123456), QColor(0x56, 0x34, 0x12));
    tz9::ResultGrid grid;
    grid.SetColAlignment(2, tz9::ResultGrid::kCentreTop);
    const tz9::ResultGridModel model(grid, nullptr);
    const QVariant centredTop = static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole), centredTop);
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole), centredTop);
    QVERIFY(!model.data(model.index(0, 0), Qt::TextAlignmentRole).isValid());
  }

  void WorkInProgressItemsOnlyShowTheMessage() {
    Session s;
    s.Load(kCheckAircraft);
    for (QAction* item : {s.form->mnuFileSalva, s.form->mnuFileNome, s.form->mnuHelp}) {
      item->trigger();
    }
    QCOMPARE(s.messages, QStringList(3, "Strakon TZ9 Performances|Work in Progress"));
    QCOMPARE(s.Status(), QStringLiteral("Loaded check-aircraft.dat."));
  }

  // The box says it with an OK and no icon, and shows its whole title.
  void WorkInProgressBoxHasOnlyOkAndShowsItsWholeTitle() {
    QString seen;
    WhenTheDialogShows<QMessageBox>(this, [&seen](QMessageBox* box) {
      QCOMPARE(box->icon(), QMessageBox::NoIcon);
      QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
      QFont title = box->font();
      title.setBold(true);
      title.setPointSizeF(title.pointSizeF() * 1.4);
      // A title bar's three buttons and margins take about 120 pixels beside the title.
      const int needed = QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 120;
      seen = box->windowTitle() + "|" + box->text() + (box->width() >= needed ? "" : " cut");
      box->button(QMessageBox::Ok)->click();
    });
    tz9::MessageBoxNotifier(nullptr).Inform("Strakon TZ9 Performances", "Work in Progress");
    QCOMPARE(seen, "Strakon TZ9 Performances|Work in Progress");
  }

  void CreditsOpenFreshEachTime() {
    Session s;
    s.form->show();
    for (int showing = 0; showing < 2; ++showing) {
      bool fresh = false;
      QTimer::singleShot(0, this, [&fresh] {
        auto* credits = qobject_cast<tz9::frmCredits*>(QApplication::activeModalWidget());
        if (credits == nullptr) return;
        // A mark that a reused window would still carry next time.
        fresh = !credits->property("shownBefore").toBool();
        credits->setProperty("shownBefore", true);
        QTest::mouseClick(credits->Command1, Qt::LeftButton);
      });
      s.form->mnuCred->trigger();
      QVERIFY(fresh);
    }
  }

  void CreditsShowTheVersionAndTheLicence() {
    const tz9::frmCredits credits(nullptr);
    const auto* version = credits.findChild<QLabel*>(QStringLiteral("lblVersion"));
    const auto* licence = credits.findChild<QLabel*>(QStringLiteral("lblLicence"));
    QVERIFY(version != nullptr && licence != nullptr);
    QCOMPARE(version->text(),
             "Version " + QString::fromUtf8(tz9::kVersion.data(), qsizetype(tz9::kVersion.size())));
    QCOMPARE(licence->text(), QStringLiteral("Licence: GPL-3.0-or-later"));
  }

  // The file name shown is the text after the last "/" or "\". A cancel keeps the record and
  // the fields, and so does a file that cannot be opened.
  void LoadShowsTheAircraftACancelOrAFailedOpenKeepsIt() {
    Session s;
    const auto shown = [&s] {
      return QStringList({s.Text("txtFile"), s.Text("txtAereo"), s.Text("txtZFW"),
                          s.Text("txtIntFuel"), s.Status()});
    };
    s.Load(kCheckAircraft);
    const QStringList loaded = {"check-aircraft.dat", "Check Aircraft", "19000", "7000",
                                "Loaded check-aircraft.dat."};
    QCOMPARE(shown(), loaded);
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load(std::nullopt);
    QCOMPARE(shown().mid(0, 4), loaded.mid(0, 4));
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load("/nowhere/planes/f16.dat");
    QCOMPARE(shown().mid(0, 4), loaded.mid(0, 4));
    QVERIFY2(s.Status().startsWith("Load stopped: cannot open file: ") &&
                 s.Status().endsWith("The Check Aircraft of check-aircraft.dat is still loaded."),
             qPrintable(s.Status()));
    QCOMPARE(s.form->aircraft().ReferenceArea.AsNumber(), std::optional<double>(300));
    s.Load("C:/Sims\\planes\\mig29.dat");
    QVERIFY(s.form->findChild<QLabel*>("lblAircraftState")->text().startsWith("mig29.dat could"));
  }

  // One session: a Load either completes or changes nothing. After each, the marker under the
  // stores, which of the three fields the reader writes are struck through, and the file shown.
  void AFailedLoadChangesNothingAndSaysWhatIsStillLoaded() {
    struct Step {
      const char* name;
      QByteArray bytes;  // empty: no such file
      QString marker;
      QString struck;  // "name ZFW fuel" for those struck through
    };
    const QString kept = "still loaded: Check Aircraft";
    const Step steps[] = {
        {"first.dat", "", "first.dat could not be opened; no aircraft is loaded", ""},
        {"whole.dat", CheckAircraftWith(nullptr, nullptr), "", ""},
        {"cut.dat", CheckAircraftWith("# Stores Drag", nullptr),
         "cut.dat was not loaded (stopped at line 58); " + kept, ""},
        {"fuel-cut.dat", CheckAircraftWith("# INPUT MASS", nullptr),
         "fuel-cut.dat was not loaded (stopped at line 2); " + kept, ""},
        {"short.dat", "Name\n", "short.dat was not loaded (stopped at line 1); " + kept, ""},
        {"missing.dat", "", "missing.dat could not be opened; " + kept, ""},
        {"again.dat", CheckAircraftWith(nullptr, nullptr), "", ""},
    };
    const QTemporaryDir scratch;
    Session s;
    for (const Step& step : steps) {
      const QString path = step.bytes.isEmpty() ? scratch.filePath(step.name)
                                                : WriteFile(scratch, step.name, step.bytes);
      s.Load(path.toStdString());
      QStringList struck;
      const std::pair<const char*, const char*> fields[] = {
          {"txtAereo", "name"}, {"txtZFW", "ZFW"}, {"txtIntFuel", "fuel"}};
      for (const auto& [field, word] : fields) {
        if (s.Field(field)->font().strikeOut()) struck << word;
      }
      QCOMPARE(QStringList({step.name, Shown(s, "lblAircraftState"), struck.join(' ')}),
               QStringList({step.name, step.marker, step.struck}));
      if (step.marker.isEmpty()) QCOMPARE(s.Text("txtFile"), QString::fromLatin1(step.name));
      if (QByteArray(step.name) == "first.dat") continue;
      QCOMPARE(s.Text("txtAereo"), "Check Aircraft");  // the texts stay, whatever the load did
      QCOMPARE(s.Text("txtZFW"), "19000");
      if (!step.marker.isEmpty()) {
        QCOMPARE(s.Text("txtFile"), "whole.dat");
        QVERIFY2(s.Status().contains(QStringLiteral("Load stopped")) &&
                     s.Status().endsWith("The Check Aircraft of whole.dat is still loaded."),
                 qPrintable(s.Status()));
        QCOMPARE(QString::fromStdString(s.form->aircraft().AircraftFileName), "whole.dat");
      }
    }
  }

  // Typed key by key: the field's text and selection, and the status line.
  void CountResetIsToldAndTheZeroIsLeftSelected() {
    struct Case {
      const char* field;
      QString typed;
      QString text, selected, status;
    };
    const Case cases[] = {
        {"txtFuelTank", "1,", "0", "0",
         "Fuel Tank: \"1,\" is not a number, so the count was set to 0."},
        {"txtFuelTank", "1,5", "5", "",
         "Fuel Tank: \"1,\" is not a number, so the count was set to 0."},
        {"txtMisAA", "2x", "0", "0",
         "AA Missiles: \"2x\" is not a number, so the count was set to 0."},
        {"txtEcm", "1.5", "1.5", "", ""},
    };
    for (const Case& c : cases) {
      Session s;
      s.Load(kCheckAircraft);
      QLineEdit* field = s.Field(c.field);
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, c.typed);
      QCOMPARE(QStringList({c.field, c.typed, field->text(), field->selectedText(),
                            s.Status().startsWith("Loaded") ? "" : s.Status()}),
               QStringList({c.field, c.typed, c.text, c.selected, c.status}));
    }
    Session s;
    s.Type("txtBombe", QString(5000, 'x'), /*paste=*/true);
    QCOMPARE(s.Status(),
             "Bombs: \"" + QString(40, 'x') + "...\" is not a number, so the count was set to 0.");
  }

  void ComputeTableFillsTheCheckCellsInEachMode() {
    // Mode, speed, altitude, then the cells of both grids there.
    const char* cases[][5] = {
        {"Option1", "600", "0", "17110 #ffff00", "28.51 #ffff00"},
        {"Option1", "660", "40000", "5267 #ff0000", "5.182 #ff0000"},
        {"Option2", "560", "40000", "1740 #00ff00", "898 none"},
        {"Option2", "650", "0", "------ #ffffff", "650 #ffffff"},
        {"Option3", "660", "40000", "5267 #ff0000", "1.8 none"},
    };
    for (const auto& [mode, knots, feet, first, second] : cases) {
      Session s;  // a sweep leaves backgrounds that the next mode may not paint over
      ComputeTheCheckTable(s, mode);
      const int row = QString(feet) == "0" ? 1 : 2;
      const int col = (QString(knots).toInt() - 290) / 10;
      QCOMPARE(QStringList({mode, s.Status(), CellShown(s.form->MSFG1, row, col),
                            CellShown(s.form->MSFG2, row, col)}),
               QStringList({mode, "Computed 74 cells.", first, second}));
    }
  }

  void ComputeTableRefusalsSayWhyAndChangeNoCell() {
    const char* cases[][2] = {
        {"20000", "Compute Table needs an aircraft: load a file first."},  // nothing loaded
        {"20000 lb", "The computing weight is not a number."},
        {"18999",
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."}};
    Session s;
    for (const auto& [weight, status] : cases) {
      if (weight != cases[0][0]) s.Load(kCheckAircraft);
      s.Type("txtCompWeight", weight);
      s.Click(s.form->cmdCompute);
      QCOMPARE(s.Status(), status);
      QCOMPARE(CellShown(s.form->MSFG1, 1, 1) + CellShown(s.form->MSFG2, 11, 23), " none none");
    }
  }

  // A message, then an action: the status line afterwards.
  void StatusMessagesThatALaterActionMadeUntrueGo() {
    struct Case {
      const char* name;
      std::function<void(Session&)> first, then;
      QString status;
    };
    const auto refusedWeight = [](Session& s) {
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "100");
      s.Click(s.form->cmdCompute);
      QCOMPARE(
          s.Status(),
          "The computing weight is below the zero fuel weight: press Compute Weight to propose "
          "one.");
    };
    const auto refusedLayout = [](Session& s) {
      s.Type("txtSpS1", "0");
      s.Click(s.form->cmdTable);
      QVERIFY(s.Status().startsWith("Speed Step1 is 0"));
    };
    const Case cases[] = {
        {"weight refusal, Compute Weight", refusedWeight,
         [](Session& s) { s.Click(s.form->cmdWeight); }, ""},
        {"weight refusal, weight typed", refusedWeight,
         [](Session& s) { s.Type("txtCompWeight", "30000"); }, ""},
        {"weight refusal, a range typed", refusedWeight,
         [](Session& s) { s.Type("txtSpMa", "700"); },
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."},
        {"layout refusal, the step typed", refusedLayout,
         [](Session& s) { s.Type("txtSpS1", "10"); }, ""},
        {"layout refusal, the weight typed", refusedLayout,
         [](Session& s) { s.Type("txtCompWeight", "30000"); },
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
        {"no aircraft, then a Load", [](Session& s) { s.Click(s.form->cmdCompute); },
         [](Session& s) { s.Load(kCheckAircraft); }, "Loaded check-aircraft.dat."},
        {"loaded, then a cancel", [](Session& s) { s.Load(kCheckAircraft); },
         [](Session& s) { s.Load(std::nullopt); },
         "Load cancelled: the aircraft and its fields stay as they were."},
        {"computed, then a range typed", ComputeOnDefaults,
         [](Session& s) { s.Type("txtSpMa", "700"); }, "Computed 187 cells."},
    };
    for (const Case& c : cases) {
      Session s;
      c.first(s);
      c.then(s);
      QCOMPARE(QStringList({c.name, s.Status()}), QStringList({c.name, c.status}));
    }
  }

  // The bad-input catalogue as one user session on one window: broken, missing and huge files,
  // bad texts in the count, weight and range fields. Every step answers on the status line and
  // leaves bounded field texts; a field keeps what the user typed (a count field that is no
  // number becomes "0"); at the end the check aircraft computes as the core computes it.
  void TheWindowAnswersEveryBadInputAndThenComputesAsTheCore() {
    QByteArray endless("Name = ");
    while (endless.size() < (50 << 20))
      endless += "Endless ";
    const QByteArray nines(10000, '9');
    const QString check = "Check Aircraft";
    const SessionStep steps[] = {
        // Nothing is loaded until a file reads to its end.
        {"file", "txtAereo", CheckAircraftWith("# Stores Drag", nullptr), "",
         "Load stopped at line 58: end of file while looking for \"# Stores Drag\""},
        {"file", "txtAereo", CheckAircraftWith("2, aerodynamic Mach", "26, aerodynamic Mach"), "",
         "Load stopped at line 28: count 26 exceeds 25"},
        {"file", "txtAereo", CheckAircraftWith("2500, 2500, 0 ft", "2500, lots, 0 ft"), check,
         "Loaded step2.dat."},
        {"file", "txtAereo", "Name\n", check, "Load stopped at line 1"},
        {"folder", "txtAereo", "", check, "is a folder"},
        {"missing", "txtAereo", "", check, "(no such file)"},
        {"file", "txtAereo", endless, check, "Load stopped at line 1: end of file"},
        {"compute", "txtBombe", nines, "0", "Computed 253 cells"},
        {"compute", "txtBombe", "1e308", "1e308",
         "The computing weight is not a number: the store counts give a weight beyond"},
        {"compute", "txtBombe", "0", "0", "Computed 253 cells"},
        {"compute", "txtCompWeight", "1e400", "1e400", "The computing weight is not a number."},
        {"compute", "txtCompWeight", "100", "100",
         "The computing weight is below the zero fuel weight: press Compute Weight"},
        {"compute", "txtCompWeight", "1e308", "1e308",
         "Computed 253 cells; 253 could not be computed, the first at 150 kt, 0 ft:"},
        {"table", "txtSpS1", "0", "0", "Speed Step1 is 0: the axis cannot step from Min Speed"},
        {"table", "txtAlS2", "", "", "Altitude Step2 is 0: the axis cannot step"},
        {"table", "txtSpS2", "-30", "-30", "Speed Step2 points away from Max Speed: it must be"},
        {"table", "txtSpMa", "1e308", "1e308", "Max Speed rounds to 1e+308, outside -32768 .."},
        {"table", "txtSpMi", nines, nines, "Min Speed is not a finite number."},
        {"table", "txtSpS1", "1e-300", "1e-300", "The speed axis would have more than 32766"},
        {"file", "txtIntFuel", CheckAircraftWith("7000, maximum", "1.7e308, maximum"), "1.7e+308",
         "Loaded step"},
        {"compute", "txtFuelTank", "1e304", "1e304",
         "The computing weight is not a number: the file's internal fuel and the tanks' fuel"},
        {"compute", "txtFuelTank", "0", "0", "Computed 253 cells"},
    };
    QTemporaryDir scratch;
    Session s;
    s.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
    const auto headers = [&s] {
      return std::string(s.form->grid2().TextAt(0, 1)) + "|" +
             std::to_string(s.form->grid2().Cols());
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
      const SessionStep& step = steps[i];
      const QString path = scratch.filePath(QStringLiteral("step%1.dat").arg(i));
      const QString before = s.Text(step.field);
      const std::string grid = headers();
      QFile file(path);
      if (step.act == "file")
        QVERIFY(file.open(QFile::WriteOnly) && file.write(step.text) && file.flush());
      if (step.act == "folder") QVERIFY(QDir(scratch.path()).mkdir(QFileInfo(path).fileName()));
      if (step.act == "file" || step.act == "folder" || step.act == "missing") {
        s.Load(path.toStdString());
        if (s.Status().startsWith("Loaded"))
          QCOMPARE(s.Text("txtFile"), QFileInfo(path).fileName());
      } else {
        s.Type(step.field, QString::fromLatin1(step.text), /*paste=*/true);
        s.Click(step.act == "table" ? s.form->cmdTable : s.form->cmdCompute);
      }
      file.remove();  // the endless line is not kept around
      QVERIFY2(s.Status().contains(step.status) && s.Text(step.field).startsWith(step.kept),
               qPrintable(
                   QStringLiteral("step %1: %2 [%3]").arg(i).arg(s.Status(), s.Text(step.field))));
      QVERIFY(s.Status().size() <= 1000);
      for (const QLineEdit* field : s.form->findChildren<QLineEdit*>()) {
        QVERIFY2(field->text().size() <= 32767, qPrintable(field->objectName()));
      }
      if (step.act == "table") {
        QCOMPARE(headers(), grid);
        s.Type(step.field, before);
      }
    }

    s.Load(kCheckAircraft);
    s.Click(s.form->cmdTable);
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status(), QStringLiteral("Computed 187 cells."));
    auto aircraft = std::make_unique<tz9::AircraftRecord>();
    tz9::ResetAircraftRecord(*aircraft);
    tz9::NoAircraftDisplay nothing;
    QVERIFY(tz9::LoadAircraftFile(kCheckAircraft, *aircraft, nothing).completed);
    tz9::ResultGrid msfg1, msfg2;
    QVERIFY(tz9::CreateTableLayout(tz9::DefaultRangeTexts(), msfg1, msfg2).applied);
    const tz9::SweepInputs inputs{
        "19000", "20000", {"0", "0", "0", "0", "0", "0"}, tz9::DisplayMode::LbsPerNm};
    QCOMPARE(tz9::ComputeTable(*aircraft, inputs, msfg1, msfg2).totals.cellsFailed, 0);
    for (int row = 0; row < msfg1.Rows(); ++row) {
      for (int col = 0; col < msfg1.Cols(); ++col) {
        QCOMPARE(s.form->grid1().TextAt(row, col), msfg1.TextAt(row, col));
        QCOMPARE(s.form->grid1().BackColorAt(row, col), msfg1.BackColorAt(row, col));
        QCOMPARE(s.form->grid2().TextAt(row, col), msfg2.TextAt(row, col));
      }
    }
  }

  // Between them the cases name all ten range fields and both axes.
  void LayoutRefusalsNameTheFieldsByTheirLabels() {
    using enum tz9::LayoutRefusalKind;
    using enum tz9::TableAxis;
    using enum tz9::RangeField;
    const std::pair<tz9::LayoutRefusal, std::string> cases[] = {
        {{.kind = NotFinite, .axis = Speed, .field = Min}, "Min Speed is not a finite number."},
        {{.kind = NotFinite, .axis = Altitude, .field = Step},
         "Step Altitude is not a finite number."},
        {{.kind = StepZero, .axis = Speed, .field = Step1, .from = Min, .to = Step},
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
        {{.kind = StepZero, .axis = Altitude, .field = Step2, .from = Step, .to = Max},
         "Altitude Step2 is 0: the axis cannot step from Step Altitude to Max Altitude."},
        {{.kind = SpanTooLarge, .axis = Altitude, .field = Step1, .from = Min, .to = Step},
         "The span from Min Altitude to Step Altitude is too large to step through."},
        {{.kind = StepPointsAway,
          .axis = Altitude,
          .field = Step2,
          .from = Step,
          .to = Max,
          .mustBePositive = true},
         "Altitude Step2 points away from Max Altitude: it must be positive to go from Step "
         "Altitude to Max Altitude."},
        {{.kind = StepPointsAway, .axis = Speed, .field = Step2, .from = Step, .to = Max},
         "Speed Step2 points away from Max Speed: it must be negative to go from Step Speed to "
         "Max Speed."},
        {{.kind = TooManyValues, .axis = Altitude},
         "The altitude axis would have more than 32766 values: choose larger steps."},
        {{.kind = TooManyValues, .axis = Speed},
         "The speed axis would have more than 32766 values: choose larger steps."},
        {{.kind = Indistinct, .axis = Speed, .field = Step1},
         "Speed Step1 is too small: neighbouring values of the speed axis would read the same in "
         "15 digits."},
        {{.kind = Indistinct, .axis = Altitude, .field = Step2},
         "Altitude Step2 is too small: neighbouring values of the altitude axis would read the "
         "same in 15 digits."},
        {{.kind = SpeedMaxOutOfRange, .axis = Speed, .field = Max, .number = 32768},
         "Max Speed rounds to 32768, outside -32768 .. 32767."},
        {{.kind = SpeedMaxOutOfRange, .axis = Speed, .field = Max, .number = 1e308},
         "Max Speed rounds to 1e+308, outside -32768 .. 32767."},
        {{.kind = TooManyCells, .cells = 1001000},
         "The table would have 1001000 data cells, more than 1000000: choose larger steps."},
    };
    for (const auto& [refusal, text] : cases)
      QCOMPARE(QString::fromStdString(tz9::LayoutRefusalText(refusal)),
               QString::fromStdString(text));
  }

  void ComputeRefusalsNameWhatToDoInTheWindow() {
    const std::pair<tz9::SweepRefusal, const char*> cases[] = {
        {tz9::SweepRefusal::NoAircraft, "Compute Table needs an aircraft: load a file first."},
        {tz9::SweepRefusal::WeightNotNumber, "The computing weight is not a number."},
        {tz9::SweepRefusal::WeightBelowZfw,
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."},
        {tz9::SweepRefusal::GridsDiffer, "The two grids differ in size: press Create Table first."},
    };
    for (const auto& [refusal, text] : cases) {
      QCOMPARE(QString::fromStdString(tz9::SweepRefusalText(refusal)), QString::fromLatin1(text));
    }
  }

  void WeightOverflowNamesWhatTookItThere() {
    using enum tz9::LoadoutOverflow;
    const std::pair<tz9::LoadoutOverflow, const char*> cases[] = {
        {StoreCounts,
         "The computing weight is not a number: the store counts give a weight beyond the range "
         "of numbers."},
        {InternalFuel,
         "The computing weight is not a number: the file's internal fuel and the tanks' fuel add "
         "up beyond the range of numbers."},
        {Weight,
         "The computing weight is not a number: the zero fuel weight, stores and fuel on board "
         "add up beyond the range of numbers."},
        {None, "The computing weight is not a number."},
    };
    for (const auto& [cause, text] : cases) {
      QCOMPARE(QString::fromStdString(tz9::WeightOverflowText(cause)), QString::fromLatin1(text));
    }
  }
};

QTEST_MAIN(WindowShellTest)
#include "window_shell_test.moc"
