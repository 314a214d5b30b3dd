// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell, as only a window can show it: its controls (names, places that do not
// collide, captions that fit, the focus order, the menus), its sizes, its keys, which field feeds
// which count, the real dialogs, the status line's word for each outcome, and what the window
// remembers between runs and how it follows its file on disk (in Qt's test location for
// settings, never the user's own). The logic under it is tested through the workspace.
#include <QAbstractItemModelTester>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <functional>

#include "analyses/mission_window.h"
#include "common/version.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "shell/file_follower.h"
#include "shell/grid_area_layout.h"
#include "tables/table_layout.h"
#include "widgets/credits_window.h"
#include "widgets/user_guide.h"
#include "widgets/window_messages.h"
#include "window_test_support.h"

using namespace tz9::test;

namespace {

// A control whose text does not show whole ("lblMisAA: 'AA Missiles:' does not fit"), or is
// drawn more than a pixel smaller than the window's text to make it fit.
QString Clipped(const QWidget* control, const QString& text, const QRect& room, int flags,
                const QWidget* client) {
  const QFontMetrics metrics(control->font());
  const bool fits =
      (flags & Qt::TextWordWrap)
          ? room.contains(metrics.boundingRect(room, flags, text))
          : metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
  const QString name = control->objectName();
  if (!fits) return name + ": '" + text + "' does not fit";
  if (client != nullptr && control->font().pixelSize() < client->font().pixelSize() - 1)
    return name + ": drawn smaller";
  return {};
}

// Every shown label, button and option of the client whose text is cut, or shrunk to fit.
QString ClippedTexts(const QWidget* client) {
  QStringList clipped;
  for (const QLabel* label : client->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    clipped << Clipped(label, label->text(), label->contentsRect(), int(label->alignment()) | wrap,
                       client);
  }
  for (const QPushButton* button : client->findChildren<QPushButton*>()) {
    // The command buttons wrap their caption inside a margin of 3 x 2 pixels.
    clipped << Clipped(button, button->text(), button->rect().adjusted(3, 2, -3, -2),
                       Qt::AlignCenter | Qt::TextWordWrap, nullptr);
  }
  for (const QRadioButton* option : client->findChildren<QRadioButton*>()) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    clipped << Clipped(option, option->text(), room, Qt::AlignLeft | Qt::AlignVCenter, client);
  }
  clipped.removeAll(QString());
  return clipped.join("; ");
}

// Data rows of a grid that show whole.
int VisibleRows(const tz9::ResultGridView* grid) {
  return grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
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

QSettings Settings() {
  return QSettings(QString::fromLatin1(tz9::kSettingsOrganisation.data()),
                   QString::fromLatin1(tz9::kSettingsApplication.data()));
}

QStringList RecentNames(const Session& s) {
  QStringList names;
  for (const QAction* item : s.form->mnuFileRecent->actions())
    if (!item->isSeparator()) names << item->text();
  return names;
}

// A session that reads and keeps the settings, as the program does.
struct RememberingSession : Session {
  RememberingSession() { form->RememberSettings(); }
};

// The check aircraft loaded and 20000 lb typed as the computing weight.
void LoadAt20000(Session& s) {
  s.Load(kCheckAircraft);
  s.Type("txtCompWeight", "20000");
}

}  // namespace

class WindowShellTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { Settings().clear(); }

  // Each field as "name=start text", then "edit" when the user may change it, "left" when its
  // text is not centred, "hidden" when it does not show; the title; the order Tab visits the
  // controls in; the menus' items ("+" when ticked on and off) with their shortcuts; the controls'
  // places, the size, the start-up table and the legend; no caption clipped.
  void OpensWithItsFieldsFocusOrderMenusSizeAndLegend() {
    Session s;
    ShowWindow(s);
    QStringList shown;
    for (const QLineEdit* f : s.form->centralWidget()->findChildren<QLineEdit*>())
      shown << f->objectName() + "=" + f->text() + (f->isEnabled() ? " edit" : "") +
                   (f->alignment() & Qt::AlignHCenter ? "" : " left") +
                   (f->isVisible() ? "" : " hidden");
    shown.sort();
    QCOMPARE(
        shown.join(','),
        "txtActualWeight=0,txtAereo= left,txtAlMa=40000 edit,txtAlMi=0 edit,txtAlS1=500 edit,"
        "txtAlS2=5000 edit,txtAlSt=1000 edit,txtBombe=0 edit,txtCluster=0 edit,txtCompWeight=0 "
        "edit,txtEcm=0 edit,txtExtFuel=,txtExtraWeight=0 hidden,txtFile= left,txtFuelTank=0 "
        "edit,txtIntFuel=,txtMTOW=,txtMisAA=0 edit,txtMisAG=0 edit,txtSpMa=660 edit,txtSpMi=150 "
        "edit,txtSpS1=50 edit,txtSpS2=30 edit,txtSpSt=250 edit,txtTotalFuel=0,txtZFW=");
    QCOMPARE(s.form->windowTitle(), QStringLiteral("Strakon TZ9 Performances"));
    QStringList order;
    for (QWidget* w = s.Field("txtMisAA"); order.size() < 21; w = w->nextInFocusChain())
      if (w->isEnabled() && w->isVisible() && w->focusPolicy() & Qt::TabFocus)
        order << w->objectName();
    QCOMPARE(order.join(' '),
             "txtMisAA txtMisAG txtBombe txtCluster txtFuelTank txtEcm txtCompWeight cmdCompute "
             "cmdWeight txtSpMi txtSpS1 "
             "txtSpSt txtSpS2 txtSpMa txtAlMi cmdTable txtAlS1 txtAlSt txtAlS2 txtAlMa Option1");
    QStringList keys;  // the items with a shortcut, and those ticked on and off ("+")
    for (const QAction* top : s.form->menuBar()->actions()) {
      for (const QAction* item : top->menu()->actions()) {
        const QString key = item->shortcut().toString(QKeySequence::PortableText);
        if (!key.isEmpty() || item->isCheckable())
          keys << item->objectName() + (item->isCheckable() ? "+" : " " + key);
      }
    }
    QCOMPARE(keys.join(','),
             "mnuFileApri Ctrl+O,mnuFileExport Ctrl+E,mnuFilePrint "
             "Ctrl+P,mnuViewMarks+,mnuViewDetails+,mnuViewLinkScroll+,mnuGuide F1");
    // No two controls of the client overlap but for the frames and lines drawn around them, the
    // indicators in the grids' caption rows and a label whose text ends before its field begins.
    QStringList overlaps;
    const QList<QWidget*> all =
        s.form->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QVERIFY(all.size() > 60);
    for (qsizetype i = 0; i < all.size(); ++i) {
      for (qsizetype j = i + 1; j < all.size(); ++j) {
        const QWidget* a = all[i];
        const QWidget* b = all[j];
        if (a->isHidden() || b->isHidden() || !a->geometry().intersects(b->geometry())) continue;
        // Frames and lines are drawn around controls, over them.
        if (qobject_cast<const QFrame*>(a) != qobject_cast<const QLabel*>(a) ||
            qobject_cast<const QFrame*>(b) != qobject_cast<const QLabel*>(b))
          continue;
        const auto* label = qobject_cast<const QLabel*>(a->objectName() < b->objectName() ? a : b);
        const QWidget* field = label == a ? b : a;
        if (label != nullptr && field->objectName() == "txt" + label->objectName().mid(3) &&
            label->x() + label->fontMetrics().horizontalAdvance(label->text()) <= field->x())
          continue;
        overlaps << std::min(a->objectName(), b->objectName()) + "/" +
                        std::max(a->objectName(), b->objectName());
      }
    }
    overlaps.removeAll("lblFuelFlow/lblOutOfDate");
    overlaps.removeAll("lblLbsNm/lblSecondGridShows");
    QCOMPARE(overlaps.join(" "), QString());
    // The default size, the start-up table, every column 40 pixels wide.
    QCOMPARE(s.form->centralWidget()->size(), QSize(15240 / 15, 10920 / 15));
    QVERIFY(s.form->minimumSize() != s.form->maximumSize());
    for (const tz9::ResultGridView* view : {s.form->MSFG1, s.form->MSFG2}) {
      const QAbstractItemModel* m = view->model();
      QCOMPARE(QStringList({m->headerData(0, Qt::Horizontal).toString(),
                            m->headerData(22, Qt::Horizontal).toString(),
                            m->headerData(0, Qt::Vertical).toString(),
                            m->headerData(10, Qt::Vertical).toString()}),
               QStringList({" 150", " 850", "0 ft", "40000 ft"}));
      QCOMPARE(
          QList<int>({m->columnCount(), m->rowCount(), view->horizontalHeader()->sectionSize(5),
                      view->verticalHeader()->width()}),
          QList<int>({23, 11, 600 / 15, 870 / 15}));
      QCOMPARE(view->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }
    // The middle of each legend swatch as the screen shows it, and the best-speed frame in the
    // marks' colour while the marks show.
    QStringList colours;
    for (const char* name : {"Shape1", "Shape2", "Shape3", "Shape4", "shpBestSpeed"}) {
      const QImage shown = s.form->findChild<QWidget*>(name)->grab().toImage();
      const QPoint middle = name[0] == 'S' ? shown.rect().center() : QPoint(1, shown.height() / 2);
      colours << shown.pixelColor(middle).name();
    }
    QCOMPARE(colours.join(' '), "#ffffff #ffff00 #00ff00 #ff0000 #000080");
    // A caption may be drawn one pixel smaller than the window's text to fit its place, no
    // smaller; every marker shows its longest text whole.
    QTemporaryDir scratch;
    QCOMPARE(ClippedTexts(s.form->centralWidget()), QString());
    LoadAt20000(s);
    s.Choose("Option2");
    s.Click(s.form->cmdCompute);
    s.Load(kGenericFighter);
    s.Load(WriteFile(scratch, "a-long-aircraft-file-name-f-16c-block-50.dat",
                     CheckAircraftWith("# Stores Drag", nullptr))
               .toStdString());
    LayOut(s, "txtSpMi=160");
    s.Type("txtMisAA", "1");
    s.Choose("Option3");
    QVERIFY(s.form->findChild<QLabel*>("lblAircraftState")->isVisible());
    QCOMPARE(s.form->findChild<QLabel*>("lblOutOfDate")->text().count(','), 2);
    QCOMPARE(ClippedTexts(s.form->centralWidget()), QString());
    s.form->mnuViewMarks->trigger();
    QVERIFY(!s.form->shpBestSpeed->isVisible() && !s.form->lblBestSpeed->isVisible());
  }

  // Larger and at its smallest, everything above the box stays where it was; the grids share
  // the height gained or lost, the second keeps its margin to the bottom, and both show four
  // rows or more.
  void GridAreaFollowsTheSizeWhileTheFieldsKeepTheirPlacesAndFitsASmallScreen() {
    const auto places = [](const Session& s) {
      QStringList places;
      for (const QWidget* control : s.form->centralWidget()->findChildren<QWidget*>(
               QRegularExpression("^(txt|cmd|Option|Shape|lblMis|lblSp|lblAl|lblFuelFlow)")))
        places << control->objectName() + QString(" %1,%2").arg(control->x()).arg(control->y());
      return places;
    };
    Session home;
    const QStringList above = places(home);
    const QSize minimum = home.form->centralWidget()->minimumSize();
    QCOMPARE(minimum.width(), 15120 / 15 + 1);  // the box's right line still shows
    for (const QSize client : {QSize(1016, 728), QSize(1416, 929), minimum}) {
      Session s;
      ShowWindow(s);
      s.form->resize(s.form->size() - s.form->centralWidget()->size() + client);
      QTRY_COMPARE(s.form->centralWidget()->size(), client);
      QCOMPARE(places(s), above);
      const QRect grid1 = s.form->MSFG1->geometry();
      const QRect grid2 = s.form->MSFG2->geometry();
      const QRect divider = s.form->centralWidget()->findChild<QWidget*>("Line5")->geometry();
      QCOMPARE(QList<int>({grid1.width(), grid2.width(), client.height() - grid2.bottom()}),
               QList<int>({client.width() - 31, client.width() - 31, 728 - 712}));
      QVERIFY(qAbs(grid1.height() - grid2.height()) <= 1 && grid1.bottom() < divider.top() &&
              divider.bottom() < grid2.top());
      QVERIFY(VisibleRows(s.form->MSFG1) >= 4 && VisibleRows(s.form->MSFG2) >= 4);
    }
    // A window opened on a small screen fits on it, with room for a title bar, and its status
    // line shows under grids of at least four rows; with Cell Details open it fits 1366 pixels.
    for (const QRect available :
         {QRect(0, 0, 1024, 600), QRect(0, 27, 1024, 573), QRect(0, 0, 1366, 728)}) {
      Session s;
      tz9::FitWindowToScreen(*s.form, available);
      ShowWindow(s);
      QVERIFY(s.form->width() <= available.width() && s.form->height() + 38 <= available.height());
      const QRect status(s.form->statusBar()->mapTo(s.form.get(), QPoint(0, 0)),
                         s.form->statusBar()->size());
      QVERIFY(s.form->rect().contains(status) && s.form->lblStatus->isVisible());
      QVERIFY(VisibleRows(s.form->MSFG1) >= 4 && VisibleRows(s.form->MSFG2) >= 4);
    }
    Session s;
    s.form->mnuViewDetails->trigger();
    ShowWindow(s);
    QVERIFY(s.form->minimumSizeHint().width() <= 1366 - 16);
  }

  // Scrolling one grid scrolls the other, both ways, until "Link Grid Scrolling" is unchecked.
  void GridsScrollTogetherUntilPartedAndTabLeavesThem() {
    Session s;
    LayOut(s, "txtSpS2=10 txtAlS2=500");
    ShowActive(s);
    auto* link = s.form->findChild<QAction*>("mnuViewLinkScroll");
    const auto scrolled = [&s](int across1, int down2) {
      if (across1 >= 0) s.form->MSFG1->horizontalScrollBar()->setValue(across1);
      if (down2 >= 0) s.form->MSFG2->verticalScrollBar()->setValue(down2);
      QStringList values;
      for (const tz9::ResultGridView* grid : {s.form->MSFG1, s.form->MSFG2})
        values << QString::number(grid->horizontalScrollBar()->value())
               << QString::number(grid->verticalScrollBar()->value());
      return values.join(' ');
    };
    QCOMPARE(scrolled(5, 3), "5 3 5 3");
    link->trigger();
    QCOMPARE(scrolled(7, 1), "7 3 5 1");
    link->trigger();  // linked again: the second grid joins the first
    QCOMPARE(scrolled(-1, -1), "7 3 7 3");
    // Tab and Shift+Tab leave a grid for the next control.
    tz9::ResultGridView* first = s.form->MSFG1;
    first->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.form->MSFG2);
    QTest::keyClick(s.form->MSFG2, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), first);
  }

  // With the check aircraft loaded, 20000 lb typed and "before" on the status line: a field, the
  // key pressed in it, how the status line begins and the computing weight afterwards, which
  // tell which command ran.
  void KeysPressTheirCommands() {
    const struct {
      const char* field;
      Qt::Key key;
      QString status, weight;
    } cases[] = {{"txtAlMa", Qt::Key_Enter, "Table of 17 speeds by 11 altitudes.", "20000"},
                 {"txtMisAA", Qt::Key_Return, "before", "26000"},
                 {"txtCompWeight", Qt::Key_Return, "Computed 253 cells.", "20000"},
                 {"txtSpMi", Qt::Key_F5, "Computed 253 cells.", "20000"}};
    for (const auto& c : cases) {
      Session s;
      ShowActive(s);
      LoadAt20000(s);
      s.Field(c.field)->setFocus();
      s.form->lblStatus->setText("before");
      QTest::keyClick(s.Field(c.field), c.key);
      QCOMPARE(
          QString(c.field) + " " + s.Status().left(c.status.size()) + " " + s.Text("txtCompWeight"),
          QString(c.field) + " " + c.status + " " + c.weight);
    }
  }

  // The guide opens from F1 and from its item, once. It covers what a pilot meets in the window,
  // and its worked example is the table Create Table makes of the ranges the window opens with.
  void UserGuideOpensOnceAndExplainsTheWindowWithItsOwnExample() {
    Session s;
    ShowActive(s);
    QTest::keyClick(s.form->txtSpMi, Qt::Key_F1);
    auto* guide = s.form->findChild<tz9::UserGuideWindow*>("frmGuide");
    QVERIFY(guide != nullptr && guide->isVisible());
    guide->close();
    s.form->findChild<QAction*>("mnuGuide")->trigger();
    QVERIFY(s.form->findChildren<tz9::UserGuideWindow*>().size() == 1 && guide->isVisible());
    s.Click(s.form->cmdTable);
    const QAbstractItemModel* m = s.form->MSFG1->model();
    QStringList speeds, altitudes;  // the first four of each, as the grids head them
    for (int i = 0; i < 4; ++i) {
      speeds << m->headerData(i, Qt::Horizontal).toString().trimmed();
      altitudes << m->headerData(i, Qt::Vertical).toString().remove(" ft").trimmed();
    }
    QStringList missing =
        QString(
            "calibrated airspeed|Step1|Step2|white|yellow|green|red|\"------\"|Out of date|View > "
            "Cell Details|tooltip|Best-speed marks|Performance Summary|View > Charts|Mission "
            "Fuel|File > Export|tz9perf-table|F5|Ctrl+O")
            .split('|');
    missing << "speed 150, 50, 250, 30, 660 gives " + speeds.join(", ")
            << "altitude 0, 500, 1000, 5000, 40000 gives " + altitudes.join(", ");
    const QString text = guide->findChild<QTextBrowser*>("txtGuide")->toPlainText();
    missing.removeIf([&text](const QString& phrase) { return text.contains(phrase); });
    QCOMPARE(missing, QStringList());
  }

  // A computing weight typed, then the focus to a count field, then one action: only moving to
  // another control of the window runs the field's LostFocus, which recomputes the weights.
  void OnlyLeavingForAnotherControlRunsLostFocus() {
    const std::pair<std::function<void(Session&)>, QString> cases[] = {
        {[](Session& s) {  // the File menu opened
           s.form->mnuFile->popup(s.form->mapToGlobal(QPoint(0, 0)));
           QVERIFY(QTest::qWaitForWindowExposed(s.form->mnuFile));
           s.form->mnuFile->close();
         },
         "20000"},
        {[](Session& s) {  // the menu bar entered with Alt
           QTest::keyClick(s.form->txtMisAA, Qt::Key_Alt);
           QTest::keyClick(s.form->menuBar(), Qt::Key_Escape);
         },
         "20000"},
        {[](Session& s) { QTest::keyClick(s.form->txtMisAA, Qt::Key_Tab); }, "26000"}};
    for (const auto& [act, weight] : cases) {
      Session s;
      ShowActive(s);
      LoadAt20000(s);
      QTest::mouseClick(s.form->txtMisAA, Qt::LeftButton);
      QVERIFY(s.form->txtMisAA->hasFocus());
      act(s);
      QCOMPARE(s.Text("txtCompWeight"), weight);
    }
  }

  // Leaving a count field, a count edit and Compute Weight rewrite the figures, a computing
  // weight typed does not. Every kind counted at once, each field a different number: the
  // loadout sums them, and the
  // computation holds each count under its own store. At 300 kt, 0 ft the stores add 1489.41 lbf
  // to the check aircraft's 2371.18: 3860.59 lbf on afterburner, 7721 lb/h.
  void ComputeTableTakesEachCountFromItsOwnField() {
    const std::pair<const char*, const char*> counts[] = {
        {"txtMisAA", "AIM120"},   {"txtMisAG", "AGM65B"}, {"txtBombe", "MK82"},
        {"txtCluster", "CBU-52"}, {"txtEcm", "ALQ131"},   {"txtFuelTank", "370USG"}};
    Session s;
    s.Load(kCheckAircraft);
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(s.form->txtFuelTank, &leaving);
    QCOMPARE(s.Text("txtActualWeight") + " " + s.Text("txtCompWeight"), "26000 26000");
    s.Type("txtFuelTank", "2");
    s.Type("txtCompWeight", "12000 lb");
    QCOMPARE(s.Text("txtExtFuel") + " " + s.Text("txtTotalFuel") + " " + s.Text("txtCompWeight"),
             "4810 11810 12000 lb");
    s.Click(s.form->cmdWeight);
    QCOMPARE(s.Text("txtActualWeight") + " " + s.Text("txtCompWeight"), "35620 35600");
    s.Type("txtCompWeight", "12000 lb");
    s.Type("txtMisAA", "1");
    QCOMPARE(s.Text("txtCompWeight"), QStringLiteral("35700"));
    for (size_t i = 0; i < std::size(counts); ++i)
      s.Type(counts[i].first, QString::number(i + 1));
    QCOMPARE(s.Text("txtExtraWeight") + " " + s.Text("txtExtFuel"), QStringLiteral("20230 14430"));
    LayOut(s, "txtSpMi=300 txtSpSt=300 txtSpMa=300 txtAlMi=0 txtAlSt=0 txtAlMa=0");
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QString held;
    for (const auto& count : counts)
      held += QString::number(
          s.form->computation()->counts[static_cast<size_t>(tz9::StoreRowOf(count.second))]);
    QCOMPARE(held + " " + CellShown(s.form->MSFG1, 1, 1), "123456 7721 #ffff00");
  }

  // The real dialogs: the Load command's, rejected, then a file chosen; the box that tells, with
  // an OK and no icon; the credits.
  void RealDialogsTellACancelFromAChoiceAndInform() {
    // Save, Save As and Help only say "Work in Progress", through the box tested last.
    Session s;
    for (QAction* item : {s.form->mnuFileSalva, s.form->mnuFileNome, s.form->mnuHelp})
      item->trigger();
    QCOMPARE(s.messages, QStringList(3, "Strakon TZ9 Performances|Work in Progress"));
    tz9::DialogAircraftFileChooser chooser(nullptr);
    WhenTheDialogShows<QFileDialog>(this, [](QFileDialog* dialog) { dialog->reject(); });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>());
    const QString path = QFileInfo(QString::fromStdString(kCheckAircraft)).absoluteFilePath();
    WhenTheDialogShows<QFileDialog>(this, [path](QFileDialog* dialog) {
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, which checks the file
    });
    QCOMPARE(chooser.ChooseAircraftFile(), std::optional<std::string>(path.toStdString()));
    QString seen;
    WhenTheDialogShows<QMessageBox>(this, [&seen](QMessageBox* box) {
      seen = box->windowTitle() + "|" + box->text() +
             (box->icon() == QMessageBox::NoIcon ? "" : " icon") +
             (box->standardButtons() == QMessageBox::Ok ? "" : " buttons");
      box->button(QMessageBox::Ok)->click();
    });
    tz9::MessageBoxNotifier(nullptr).Inform("Strakon TZ9 Performances", "Work in Progress");
    QCOMPARE(seen, "Strakon TZ9 Performances|Work in Progress");
    s.form->show();  // a fresh credits window each time, with the version and the licence
    for (int showing = 0; showing < 2; ++showing) {
      seen.clear();
      WhenTheDialogShows<tz9::frmCredits>(this, [&seen](tz9::frmCredits* credits) {
        // A mark that a reused window would still carry next time.
        seen = credits->property("shownBefore").toBool() ? "reused" : "";
        credits->setProperty("shownBefore", true);
        seen += "|" + credits->findChild<QLabel*>("lblVersion")->text() + "|" +
                credits->findChild<QLabel*>("lblLicence")->text();
        QTest::mouseClick(credits->Command1, Qt::LeftButton);
      });
      s.form->mnuCred->trigger();
      QCOMPARE(seen,
               "|Version " + QString::fromLatin1(tz9::kVersion) + "|Licence: GPL-3.0-or-later");
    }
  }

  // The models stay sound through a layout that resizes the grids, which resets each view once;
  // a sweep then signals each view once, as changed cells, without a reset. A model aligns only
  // the centred columns.
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
    tz9::ResultGrid grid;
    grid.SetColAlignment(2, tz9::ResultGrid::kCentreTop);
    const tz9::ResultGridModel model(grid, nullptr);
    const QVariant centredTop = static_cast<int>(Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole), centredTop);
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole), centredTop);
    QVERIFY(!model.data(model.index(0, 0), Qt::TextAlignmentRole).isValid());
  }

  // One session: a Load either completes or changes nothing. After each, the marker under the
  // stores, how the status line begins and ends, and the file shown; no field the reader writes
  // is struck through, and the texts of the aircraft loaded stay whatever the load did.
  void ALoadShowsTheAircraftAFailedOneOrACancelKeepsIt() {
    const QString kept = "still loaded: Check Aircraft";
    const QString still = "The Check Aircraft of whole.dat is still loaded.";
    const struct {
      const char* name;  // nullptr: a cancel
      QByteArray bytes;  // empty: no such file
      QString marker, status;
    } steps[] = {
        {"first.dat", "", "first.dat could not be opened; no aircraft is loaded",
         "Load stopped: cannot open file: |No aircraft is loaded."},
        {"whole.dat", CheckAircraftWith(nullptr, nullptr), "", "Loaded whole.dat.|"},
        {"cut.dat", CheckAircraftWith("# Stores Drag", nullptr),
         "cut.dat was not loaded (stopped at line 58); " + kept, "cut.dat: Load stopped|" + still},
        {"missing.dat", "", "missing.dat could not be opened; " + kept,
         "Load stopped: cannot open file: |(no such file). " + still},
        {nullptr, "", "missing.dat could not be opened; " + kept,
         "Load cancelled: the aircraft and its fields stay as they were.|"},
        {"again.dat", CheckAircraftWith(nullptr, nullptr), "", "Loaded again.dat.|"}};
    const QTemporaryDir scratch;
    Session s;
    for (const auto& step : steps) {
      if (step.name == nullptr)
        s.Load(std::nullopt);
      else
        s.Load((step.bytes.isEmpty() ? scratch.filePath(step.name)
                                     : WriteFile(scratch, step.name, step.bytes))
                   .toStdString());
      const QString name = step.name != nullptr ? step.name : "cancel";
      QCOMPARE(name + ": " + Shown(s, "lblAircraftState"), name + ": " + step.marker);
      for (const char* field : {"txtAereo", "txtZFW", "txtIntFuel"})
        QVERIFY2(!s.Field(field)->font().strikeOut(), field);
      QVERIFY2(s.Status().startsWith(step.status.section('|', 0, 0)) &&
                   s.Status().endsWith(step.status.section('|', 1)),
               qPrintable(s.Status()));
      if (name == "first.dat") continue;
      QCOMPARE(s.Text("txtAereo") + " " + s.Text("txtZFW") + " " + s.Text("txtIntFuel") + " " +
                   s.Text("txtFile"),
               "Check Aircraft 19000 7000 " + (step.marker.isEmpty() ? name : "whole.dat"));
    }
    s.Load("C:/Sims\\planes\\mig29.dat");  // the file name is what follows the last / or \.
    QVERIFY(Shown(s, "lblAircraftState").startsWith("mig29.dat could"));
  }

  // Typed key by key: the field's text and selection, and the status line; a long text pasted
  // is shown cut short.
  void CountResetIsToldAndTheZeroIsLeftSelected() {
    const char* cases[][5] = {{"txtFuelTank", "1,", "0", "0",
                               "Fuel Tank: \"1,\" is not a number, so the count was set to 0."},
                              {"txtEcm", "1.5", "1.5", "", ""}};
    for (const auto& c : cases) {
      Session s;
      s.Load(kCheckAircraft);
      QLineEdit* field = s.Field(c[0]);
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, c[1]);
      QCOMPARE(QStringList({c[0], c[1], field->text(), field->selectedText(),
                            s.Status().startsWith("Loaded") ? "" : s.Status()}),
               QStringList({c[0], c[1], c[2], c[3], c[4]}));
    }
    Session s;
    s.Type("txtBombe", QString(5000, 'x'), /*paste=*/true);
    QCOMPARE(s.Status(),
             "Bombs: \"" + QString(40, 'x') + "...\" is not a number, so the count was set to 0.");
  }

  // A refused Compute Table says why, changes no cell and leaves no wait cursor; then Ctrl+C.
  void ComputeTableRefusalsSayWhyAndChangeNoCellThenCopy() {
    Session s;
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    QCOMPARE(s.Status(), "Compute Table needs an aircraft: load a file first.");
    QCOMPARE(CellShown(s.form->MSFG1, 1, 1) + CellShown(s.form->MSFG2, 11, 23), " none none");
    QVERIFY(QApplication::overrideCursor() == nullptr);
    LoadAt20000(s);
    s.Click(s.form->cmdCompute);
    // Ctrl+C copies text with trimmed headers (the start-up speeds have a blank in front:
    // " 150"), and an HTML table whose cells carry their backgrounds.
    tz9::ResultGridView* view = s.form->MSFG1;
    view->selectionModel()->select(GridIndex(view, 1, 1), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(GridIndex(view, 2, 2), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(), "\t150\t200\n0 ft\t1074\t\n500 ft\t\t1280\n");
    QCOMPARE(copied->html(),
             "<table>\n<tr><th></th><th>150</th><th>200</th></tr>\n<tr><th>0 ft</th><td "
             "style=\"background-color:#ffffff\">1074</td><td></td></tr>\n<tr><th>500 "
             "ft</th><td></td><td style=\"background-color:#ffffff\">1280</td></tr>\n</table>\n");
  }

  // A message, then an action: the status line afterwards.
  void StatusMessagesThatALaterActionMadeUntrueGo() {
    const QString belowZfw =
        "The computing weight is below the zero fuel weight: press Compute Weight to propose one.";
    const QString stepZero = "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed.";
    const auto refusedWeight = [](Session& s) {
      s.Load(kCheckAircraft);
      s.Type("txtCompWeight", "100");
      s.Click(s.form->cmdCompute);
    };
    const auto refusedLayout = [](Session& s) { LayOut(s, "txtSpS1=0"); };
    const struct {
      std::function<void(Session&)> first, then;
      QString before, after;
    } cases[] = {
        {refusedWeight, [](Session& s) { s.Click(s.form->cmdWeight); }, belowZfw, ""},
        {refusedWeight, [](Session& s) { s.Type("txtCompWeight", "30000"); }, belowZfw, ""},
        {refusedLayout, [](Session& s) { s.Type("txtSpS1", "10"); }, stepZero, ""},
        {refusedLayout, [](Session& s) { s.Type("txtCompWeight", "30000"); }, stepZero, stepZero},
        {[](Session& s) { ComputeTheCheckTable(s, {}, {}); },
         [](Session& s) { s.Type("txtSpMa", "700"); }, "Computed 187 cells.",
         "Computed 187 cells."}};
    for (const auto& c : cases) {
      Session s;
      c.first(s);
      const QString before = s.Status();
      c.then(s);
      QCOMPARE(before + " -> " + s.Status(), c.before + " -> " + c.after);
    }
  }

  // Bad inputs on one window: broken, missing and huge files, numbers beyond range in the count,
  // weight and range fields. Every step answers on the status line and leaves bounded field
  // texts; a field keeps what the user typed (a count field that is no number becomes "0"); a
  // refused layout leaves the grids as they were.
  void TheWindowAnswersEveryBadInput() {
    QByteArray endless("Name = ");
    while (endless.size() < (50 << 20))
      endless += "Endless ";
    const QByteArray nines(10000, '9');
    const QByteArray count26 = CheckAircraftWith("2, aerodynamic Mach", "26, aerodynamic Mach");
    const QByteArray lots = CheckAircraftWith("2500, 2500, 0 ft", "2500, lots, 0 ft");
    const QByteArray fuel = CheckAircraftWith("7000, maximum", "1.7e308, maximum");
    // What is done, where, with what text; how the field's text begins afterwards and what the
    // status line contains.
    const struct {
      const char* act;  // "file", "compute", "table"
      const char* field;
      QByteArray text;
      QString kept, status;
    } steps[] = {
        {"file", "txtAereo", count26, "", "Load stopped at line 28: count 26 exceeds 25"},
        {"file", "txtAereo", lots, "Check Aircraft", "Loaded step1.dat."},
        {"file", "txtAereo", endless, "Check Aircraft", "Load stopped at line 1: end of file"},
        {"compute", "txtBombe", nines, "0", "Computed 253 cells"},
        {"compute", "txtBombe", "1e308", "1e308", "the store counts give a weight beyond"},
        {"compute", "txtCompWeight", "1e400", "1e400", "The computing weight is not a number."},
        {"table", "txtAlS2", "-30", "-30",
         "Altitude Step2 points away from Max Altitude: it must be positive"},
        {"table", "txtSpMi", nines, nines, "Min Speed is not a finite number."},
        {"file", "txtIntFuel", fuel, "1.7e+308", "Loaded step"}};
    QTemporaryDir scratch;
    Session s;
    ShowWindow(s);
    for (size_t i = 0; i < std::size(steps); ++i) {
      const auto& step = steps[i];
      const QString act(step.act);
      const QString before = s.Text(step.field);
      const std::string headers(s.form->grid2().TextAt(0, 1));
      if (act == "file") {
        const QString path = WriteFile(scratch, QStringLiteral("step%1.dat").arg(i), step.text);
        s.Load(path.toStdString());
        QFile::remove(path);  // the endless line is not kept around
      } else {
        s.Type(step.field, QString::fromLatin1(step.text), /*paste=*/true);
        s.Click(act == "table" ? s.form->cmdTable : s.form->cmdCompute);
      }
      QVERIFY2(s.Status().contains(step.status) && s.Text(step.field).startsWith(step.kept) &&
                   s.Status().size() <= 1000,
               qPrintable(s.Status() + " [" + s.Text(step.field) + "]"));
      for (const QLineEdit* field : s.form->findChildren<QLineEdit*>())
        QVERIFY2(field->text().size() <= 32767, qPrintable(field->objectName()));
      if (act != "table") continue;
      QCOMPARE(std::string(s.form->grid2().TextAt(0, 1)), headers);
      s.Type(step.field, before);
    }
  }

  // A sample of the refusals no session above meets, each worded with its fields' labels.
  void RefusalsNameTheFieldsByTheirLabels() {
    using enum tz9::LayoutRefusalKind;
    using enum tz9::TableAxis;
    using enum tz9::RangeField;
    QCOMPARE(tz9::LayoutRefusalText(
                 {.kind = SpanTooLarge, .axis = Speed, .field = Step1, .from = Min, .to = Step}),
             "The span from Min Speed to Step Speed is too large to step through.");
    QCOMPARE(tz9::LayoutRefusalText({.kind = TooManyCells, .cells = 1001000}),
             "The table would have 1001000 data cells, more than 1000000: choose larger steps.");
    QCOMPARE(tz9::WeightOverflowText(tz9::LoadoutOverflow::Weight),
             "The computing weight is not a number: the zero fuel weight, stores and fuel on board "
             "add up beyond the range of numbers.");
  }

  // Recent files newest first, at most eight, a file gone since told and dropped. On a restart
  // they, the window's size and the mission window's reserve come back; the loadout, weights and
  // ranges start as new. Clear empties the recent files; a damaged settings file is ignored.
  void ARestartRestoresRecentFilesPlacesAndAnalysisFieldsOnly() {
    const QTemporaryDir dir;
    {
      RememberingSession s;
      s.form->show();
      s.form->resize(1100, 700);
      for (int i = 1; i <= 9; ++i)
        s.Load(WriteFile(dir, QStringLiteral("a%1.dat").arg(i), CheckAircraftWith(nullptr, nullptr))
                   .toStdString());
      QCOMPARE(RecentNames(s).join(' '),
               "a9.dat a8.dat a7.dat a6.dat a5.dat a4.dat a3.dat a2.dat Clear");
      QFile::remove(dir.filePath("a5.dat"));
      s.form->mnuFileRecent->actions().at(4)->trigger();
      QVERIFY(s.Status().endsWith("a5.dat no longer exists: it was taken off the recent files."));
      s.form->mnuFileRecent->actions().at(1)->trigger();  // a8.dat, loaded again
      QCOMPARE(s.Text("txtFile") + " " + s.Status(), "a8.dat Loaded a8.dat.");
      s.Type("txtCompWeight", "20000");
      s.Type("txtSpMi", "200");
      s.form->findChild<tz9::MissionWindow*>()->txtReserve->setText("500");
      s.form->close();
    }
    RememberingSession again;
    const Session fresh;
    QCOMPARE(RecentNames(again).join(' '),
             "a8.dat a9.dat a7.dat a6.dat a4.dat a3.dat a2.dat Clear");
    QCOMPARE(again.form->findChild<tz9::MissionWindow*>()->txtReserve->text() +
                 again.Text("txtCompWeight") + again.Text("txtSpMi"),
             "500" + fresh.Text("txtCompWeight") + fresh.Text("txtSpMi"));
    QCOMPARE(again.form->size(), QSize(1100, 700));
    again.form->findChild<QAction*>("mnuFileRecentClear")->trigger();
    QCOMPARE(RecentNames(RememberingSession()), QStringList({"Clear"}));
    QFile damaged(Settings().fileName());
    QVERIFY(damaged.open(QFile::WriteOnly) &&
            damaged.write(QByteArray("\x01[windows\n=\xff\xfe garbage", 22)) == 22);
    damaged.close();
    QCOMPARE(RememberingSession().form->size(), fresh.form->size());
  }

  // Changed, replaced by a rename, deleted: each gives its bar; Reload reads the file again and
  // the grids are out of date until Compute Table, which then shows the new model's cells.
  void TheLoadedFileIsFollowedOnDisk() {
    const QTemporaryDir dir;
    const QString path = WriteFile(dir, "live.dat", CheckAircraftWith(nullptr, nullptr));
    Session s;
    ComputeTheCheckTable(s);  // of the same aircraft as the one followed
    s.Load(path.toStdString());
    const std::string before(s.form->grid1().TextAt(1, 1));
    tz9::AircraftFileFollower* follower = s.form->fileFollower;
    const auto barShows = [follower](const QString& text) {
      QTRY_VERIFY(!follower->barFileChanged->isHidden());
      QVERIFY2(follower->lblFileChanged->text().startsWith(text),
               qPrintable(follower->lblFileChanged->text()));
    };
    QVERIFY(follower->barFileChanged->isHidden());
    // A 20 % larger reference area: less lift coefficient needed, less drag at 300 kt.
    WriteFile(dir, "live.dat",
              CheckAircraftWith("300, wing reference area", "360, wing reference area"));
    barShows("The aircraft file changed on disk.");
    s.Click(follower->cmdReload);
    QVERIFY(follower->barFileChanged->isHidden() && s.form->CurrentStaleness().aircraftChanged);
    s.Click(s.form->cmdCompute);
    QVERIFY(std::string(s.form->grid1().TextAt(1, 1)) != before);
    // As an editor saves: a new file renamed over the old one, then changed again.
    const QString written = WriteFile(dir, "live.dat.new", CheckAircraftWith(nullptr, nullptr));
    QVERIFY(std::rename(QFile::encodeName(written).constData(),
                        QFile::encodeName(path).constData()) == 0);
    barShows("The aircraft file changed on disk.");
    s.Click(follower->cmdDismiss);
    QVERIFY(follower->barFileChanged->isHidden());
    WriteFile(dir, "live.dat",
              CheckAircraftWith("300, wing reference area", "330, wing reference area"));
    barShows("The aircraft file changed on disk.");
    s.Click(follower->cmdDismiss);
    QVERIFY(QFile::remove(path));
    barShows("The aircraft file was deleted");
    QVERIFY(!follower->cmdReload->isEnabled());
  }
};

QTEST_MAIN(WindowShellTest)
#include "window_shell_test.moc"
