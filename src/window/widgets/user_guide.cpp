// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/user_guide.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tz9 {

QString UserGuideHtml() {
  return QStringLiteral(R"(
<h2>Strakon TZ9 Performances: user guide</h2>
<p>The program tells you, for one aircraft, loadout and weight, how much fuel steady level flight
costs at every speed and altitude of a table, and whether Military power holds it or you need
the afterburner.</p>

<h3>In four steps</h3>
<ol>
<li><b>File &gt; Load</b> (Ctrl+O): choose the aircraft's flight-model file (<i>.dat</i>). The
file name, the aircraft name, the zero fuel weight (ZFW) and the internal fuel appear.</li>
<li>Type the <b>stores</b> you carry and press <b>Compute Weight</b> (or Enter in a count
field): the weights and fuel follow.</li>
<li>Set the <b>speed and altitude ranges</b> and press <b>Create Table</b> (or Enter in a range
field).</li>
<li>Press <b>Compute Table</b> (F5, or Enter in the computing weight). The computing weight
starts at 0: press <b>Compute Weight</b> first, or type a weight, or Compute Table refuses it as
below the zero fuel weight.</li>
</ol>

<h3>The fields</h3>
<ul>
<li><b>AA Missiles</b> (AIM-120), <b>AG Missiles</b> (AGM-65B), <b>Bombs</b> (Mk 82),
<b>Cluster</b> (CBU-52), <b>Fuel Tank</b> (370 US gal), <b>ECM POD</b> (ALQ-131): how many of
each you carry. Each adds weight and drag. Only numbers are taken: anything else turns the
count into 0, and the status line says which field and what text.</li>
<li><b>ZFW</b> and <b>Internal Fuel</b> come from the aircraft file; <b>MTOW</b> is not used.
<b>External Fuel</b> is 2405 lb per full tank; a tank also weighs 2405 lb, so each one adds
4810 lb. <b>Fuel on Board</b> is internal plus external fuel; <b>Actual Weight</b> is ZFW,
stores and fuel.</li>
<li><b>Computing Weight</b>: the weight every cell is computed for. Compute Weight proposes the
actual weight rounded down to 100 lb; type your own to see the aircraft lighter, for instance
later in the mission. It must be a number, not below the ZFW.</li>
</ul>

<h3>The table's axes</h3>
<p>Across: <b>calibrated airspeed</b> (CAS) in knots, the speed your airspeed indicator shows,
not the true airspeed. Down: <b>altitude</b> in feet, standard atmosphere.</p>
<p>Each axis has five fields: <b>Min</b>, <b>Step1</b>, <b>Step</b>, <b>Step2</b>, <b>Max</b>.
From Min the axis climbs by Step1 up to the switch point <b>Step</b>, then by Step2 up to Max.
Step and Max always appear, even when the steps do not land on them. So fine steps where you
need detail, coarse ones elsewhere. With the ranges the window opens with:</p>
<ul>
<li>speed 150, 50, 250, 30, 660 gives 150, 200, 250, 280, 310, &hellip; 640, 660 kt;</li>
<li>altitude 0, 500, 1000, 5000, 40000 gives 0, 500, 1000, 6000, 11000, &hellip; 36000,
40000 ft.</li>
</ul>
<p>Before the first Create Table the grids show a start-up table of 150 to 850 kt and 0 to
40000 ft.</p>

<h3>The grids</h3>
<p>The upper grid, <b>Fuel Flow</b>, gives the fuel flow in lb per hour. The lower grid shows
what <b>2nd Grid</b> chose at the last Compute Table: fuel per nautical mile (lb/NM; lower is
more range), true airspeed (kt) or Mach number (cut to two decimals). The line beside it names
what it shows now.</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Colour</th><th>Meaning</th></tr>
<tr><td style="background-color:#ffffff">white</td><td>subsonic, Military power holds it</td></tr>
<tr><td style="background-color:#ffff00">yellow</td><td>subsonic, afterburner needed</td></tr>
<tr><td style="background-color:#00ff00">green</td><td>supersonic, Military power holds it</td></tr>
<tr><td style="background-color:#ff0000">red</td><td>supersonic, afterburner needed</td></tr>
</table>
<p><b>"------"</b> means no steady level flight there: even full afterburner does not match
the drag, the wing cannot give the lift the weight needs (too slow, or too high), or the speed
or altitude lies beyond the aircraft file's tables. Such a cell is white. A few cells may show
"------" because they could not be computed at all (an aircraft file with a fault); the status
line then names the first of them and why. In the TAS and Mach Number modes the lower grid
shows the speed instead of "------", on white.</p>
<p>In the TAS and Mach Number modes the lower grid's cells with steady flight keep the colours
of an earlier run; read the colours in the upper grid.</p>
<p>A <b>framed, bold</b> cell is the best of its row (View &gt; Mark Best Speeds): the least fuel
flow in the upper grid (best endurance), the least fuel per nautical mile in the lower grid
while it shows lb/NM (best range).</p>
<p>When a red <b>Out of date</b> line stands above the grids, the cells no longer match the
headers, weight, stores, option or aircraft (it says which): press Compute Table again. A red
note under the stores means the last Load stopped part way, or the file could not be opened;
struck-through fields were not read from it.</p>

<h3>More in the menus</h3>
<ul>
<li><b>View &gt; Cell Details</b>: everything computed for the selected cell (lift, drag,
thrust, why a cell has no steady flight); hovering a cell shows the short form as a
tooltip.</li>
<li><b>Best-speed marks</b> and <b>View &gt; Performance Summary</b>: the best range and best
endurance speeds and the ceilings for each altitude.</li>
<li><b>View &gt; Charts</b>: the table as curves. Specific range is in NM per 1000 lb, so its
peak is the best range (switch to lb/NM beside the speed axis); each altitude has its colour,
darkest lowest, and its name at the end of its line.</li>
<li><b>View &gt; Mission Fuel</b>: range, endurance and bingo fuel as the weight falls with the
fuel burnt. What no altitude can fly (a reserve at or above the fuel on board, a cruise speed
without steady flight, a way home the fuel does not reach) is told beside its field, and each row
says why a figure is missing. <b>AB</b> after a figure: its speed needs the afterburner.</li>
<li><b>View &gt; Link Grid Scrolling</b>: the grids scroll together; uncheck it to part
them.</li>
<li><b>File &gt; Export</b> and <b>Print</b>: the table for a spreadsheet or on paper. The report
adds the performance summary and the mission fuel; it is written in the background (progress and
Cancel in the status bar), and before more than 50 pages the window offers the summary pages
alone. Ctrl+C copies the selected cells with their headers.</li>
</ul>

<h3>Keys</h3>
<p>Enter presses the command a field feeds; F5 computes, Ctrl+O loads, F1 opens this guide.
Tab and Shift+Tab move between controls (out of a grid too); the arrow keys move inside a
grid.</p>

<h3>Without the window</h3>
<p><b>tz9perf-table</b> computes the same tables in a terminal, for scripts:</p>
<pre>tz9perf-table generic-fighter.dat --stores 2,0,0,0,1,2 --second tas --format csv</pre>
<p><tt>tz9perf-table --help</tt> lists the options (stores, weight, speed and altitude ranges,
second grid, text or CSV).</p>
)");
}

UserGuideWindow::UserGuideWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmGuide"));
  setWindowTitle(QStringLiteral("User Guide"));
  browser_->setObjectName(QStringLiteral("txtGuide"));
  browser_->setOpenLinks(true);
  browser_->setHtml(UserGuideHtml());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 640);
}

QAction* AddUserGuideItem(QMenu* menu, QAction* before, QWidget* owner) {
  auto* item = new QAction(QStringLiteral("&User Guide"), menu);
  item->setObjectName(QStringLiteral("mnuGuide"));
  item->setShortcut(QKeySequence(Qt::Key_F1));
  menu->insertAction(before, item);
  QObject::connect(item, &QAction::triggered, owner, [owner] {
    auto* guide = owner->findChild<UserGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (guide == nullptr) guide = new UserGuideWindow(owner);
    guide->show();
    guide->raise();
    guide->activateWindow();
  });
  return item;
}

}  // namespace tz9
