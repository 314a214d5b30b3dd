// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of Form1 at their places: every position and size below is in twips, measured
// from the top left corner of the window's client area.
#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <algorithm>
#include <string_view>
#include <vector>

#include "grids/best_speed_marks.h"
#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "shell/form1.h"
#include "tables/display_mode.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

namespace tz9 {
namespace {

constexpr int kLabelHeight = 255;
constexpr int kFieldHeight = 285;
constexpr int kButtonHeight = 615;

// Label widths run up to their field (or the area's line) where the text needs it, so that no
// caption is cut in the window's font.
struct FieldPlace {
  QLineEdit* Form1::*member;
  const char* name;
  const char* label;  // nullptr: no label on the field's line
  int labelLeft, labelWidth;
  int left, top, width;
  const char* text;
  const char* toolTip;  // nullptr: none
  bool editable;
  bool numeric;  // shown centred
};

constexpr FieldPlace kFields[] = {
    {&Form1::txtFile, "txtFile", "File :", 120, 735, 840, 120, 3255, "", "Aircraft File Name",
     false, false},
    {&Form1::txtAereo, "txtAereo", "Aircraft :", 120, 735, 840, 480, 3255, "", "Aircraft Loaded",
     false, false},
    {&Form1::txtMisAA, "txtMisAA", "AA Missiles:", 120, 960, 1080, 840, 615, "0",
     "Numbers of AA Missiles loaded (AIM120)", true, true},
    {&Form1::txtMisAG, "txtMisAG", "AG Missiles:", 120, 960, 1080, 1200, 615, "0",
     "Numbers of AG Missiles loaded (AGM65B)", true, true},
    {&Form1::txtBombe, "txtBombe", "Bombs :", 120, 855, 1080, 1560, 615, "0",
     "Numbers of Iron Bombs loaded (MK82)", true, true},
    {&Form1::txtCluster, "txtCluster", "Cluster :", 120, 855, 1080, 1920, 615, "0",
     "Numbers of Cluster Bombs loaded (CBU-52)", true, true},
    {&Form1::txtFuelTank, "txtFuelTank", "Fuel Tank :", 120, 1095, 1080, 2280, 615, "0",
     "Numbers of Fuel Tanks loaded (370USG)", true, true},
    {&Form1::txtEcm, "txtEcm", "ECM POD:", 120, 1095, 1080, 2640, 615, "0",
     "Numbers of ECM Pods loaded (ALQ131)", true, true},
    {&Form1::txtZFW, "txtZFW", "ZFW :", 1920, 1215, 3120, 840, 975, "", "Zero Fuel Weight", false,
     true},
    {&Form1::txtMTOW, "txtMTOW", "MTOW :", 1920, 1215, 3120, 1200, 975, "",
     "Maximum Take Off Weight", false, true},
    {&Form1::txtIntFuel, "txtIntFuel", "Internal Fuel :", 1920, 1215, 3120, 1560, 975, "",
     "Max Internal Fuel", false, true},
    {&Form1::txtExtFuel, "txtExtFuel", "External Fuel :", 1920, 1095, 3120, 1920, 975, "",
     "External Fuel (Computed with 370USG for each external Fuel Tank)", false, true},
    {&Form1::txtTotalFuel, "txtTotalFuel", "Fuel on Board :", 1920, 1215, 3120, 2280, 975, "0",
     "Total Fuel on board", false, true},
    {&Form1::txtActualWeight, "txtActualWeight", "Actual Weight :", 1920, 1200, 3120, 2640, 975,
     "0", "Actual Weight acordig to load out.", false, true},
    {&Form1::txtExtraWeight, "txtExtraWeight", nullptr, 0, 0, 120, 3000, 1095, "0", nullptr, false,
     true},
    {&Form1::txtSpMi, "txtSpMi", "Min Speed :", 4680, 1095, 5760, 720, 735, "150", nullptr, true,
     true},
    {&Form1::txtSpS1, "txtSpS1", "Speed Step1 :", 4680, 1095, 5760, 1080, 735, "50", nullptr, true,
     true},
    {&Form1::txtSpSt, "txtSpSt", "Step Speed :", 4680, 1095, 5760, 1440, 735, "250", nullptr, true,
     true},
    {&Form1::txtSpS2, "txtSpS2", "Speed Step2 :", 4680, 1095, 5760, 1800, 735, "30", nullptr, true,
     true},
    {&Form1::txtSpMa, "txtSpMa", "Max Speed :", 4680, 1095, 5760, 2160, 735, "660", nullptr, true,
     true},
    {&Form1::txtAlMi, "txtAlMi", "Min Altitude :", 6720, 1095, 7920, 720, 735, "0", nullptr, true,
     true},
    {&Form1::txtAlS1, "txtAlS1", "Altitude Step1 :", 6720, 1200, 7920, 1080, 735, "500", nullptr,
     true, true},
    {&Form1::txtAlSt, "txtAlSt", "Step Altitude :", 6720, 1095, 7920, 1440, 735, "1000", nullptr,
     true, true},
    {&Form1::txtAlS2, "txtAlS2", "Altitude Step2 :", 6720, 1200, 7920, 1800, 735, "5000", nullptr,
     true, true},
    {&Form1::txtAlMa, "txtAlMa", "Max Altitude :", 6720, 1095, 7920, 2160, 735, "40000", nullptr,
     true, true},
    // Its label stands one line above it, under the "Weight" heading.
    {&Form1::txtCompWeight, "txtCompWeight", nullptr, 0, 0, 9000, 1080, 1215, "0",
     "Weight to use for computations, drag is computed according to the stores you put on "
     "relative fields",
     true, true},
};

struct LabelPlace {
  const char* name;
  const char* text;
  int left, top, width;
  bool centred;
};

constexpr LabelPlace kLabels[] = {
    {"lblSpeedRange", "Speed Range", 4680, 240, 1815, true},
    {"lblAltitudeRange", "Altitude Range", 6720, 240, 1935, true},
    {"lblWeight", "Weight", 8880, 240, 1455, true},
    {"lblCompWeight", "Computing Weight :", 8880, 720, 1500, false},
    {"lblFuelFlow", "Fuel Flow", 240, 3480, 3375, false},
    {"lblLbsNm", "Lbs/NM", 240, 7200, 2775, false},
    {"lblTableLegend", "Table Legend", 12360, 240, 2655, true},
    {"lblLegendSpeed", "Speed", 12840, 720, 975, true},
    {"lblLegendPower", "Power", 14040, 720, 975, true},
    {"lblSpeed1", "Subsonic", 12840, 1200, 975, true},
    {"lblPower1", "Military", 14040, 1200, 975, true},
    {"lblSpeed2", "Subsonic", 12840, 1680, 975, true},
    {"lblPower2", "AB", 14040, 1680, 975, true},
    {"lblSpeed3", "Supersonic", 12840, 2160, 975, true},
    {"lblPower3", "Military", 14040, 2160, 975, true},
    {"lblSpeed4", "Supersonic", 12840, 2640, 975, true},
    {"lblPower4", "AB", 14040, 2640, 975, true},
};

struct ButtonPlace {
  QPushButton* Form1::*member;
  const char* name;
  const char* text;
  int left;
};

constexpr int kButtonTop = 2640;
constexpr int kButtonWidth = 975;

constexpr ButtonPlace kButtons[] = {
    {&Form1::cmdTable, "cmdTable", "Create Table", 4680},
    {&Form1::cmdWeight, "cmdWeight", "Compute Weight", 6120},
    {&Form1::cmdCompute, "cmdCompute", "Compute Table", 7680},
};

struct OptionPlace {
  QRadioButton* Form1::*member;
  const char* name;
  std::string_view text;
  int top;
};

constexpr OptionPlace kOptions[] = {
    {&Form1::Option1, "Option1", InfoOf(DisplayMode::LbsPerNm).optionCaption, 720},
    {&Form1::Option2, "Option2", InfoOf(DisplayMode::Tas).optionCaption, 1080},
    {&Form1::Option3, "Option3", InfoOf(DisplayMode::MachNumber).optionCaption, 1440},
};

struct SwatchPlace {
  QFrame* Form1::*member;
  const char* name;
  Colour fill;
  int top;
};

constexpr SwatchPlace kSwatches[] = {
    {&Form1::Shape1, "Shape1", RegimeColour::White, 1200},
    {&Form1::Shape2, "Shape2", RegimeColour::Yellow, 1680},
    {&Form1::Shape3, "Shape3", RegimeColour::Green, 2160},
    {&Form1::Shape4, "Shape4", RegimeColour::Red, 2640},
};

// Lines as (x1, y1) to (x2, y2): the box around both grids with its divider, and the lines
// that part the upper areas.
struct LinePlace {
  int x1, y1, x2, y2;
};

constexpr LinePlace kLines[] = {
    {120, 3360, 15120, 3360},    {120, 10800, 15120, 10800}, {120, 3360, 120, 10800},
    {15120, 3360, 15120, 10800}, {120, 7080, 15120, 7080},   {4380, 120, 4380, 3240},
    {6600, 120, 6600, 2520},     {8760, 120, 8760, 2520},    {10440, 120, 10440, 3240},
    {12240, 120, 12240, 3240},   {4380, 2550, 10440, 2550},
};

// Focus order: lower first. Disabled and hidden fields keep their places but take no focus.
struct FocusPlace {
  const char* name;
  int tab;
};

constexpr FocusPlace kFocusOrder[] = {
    {"txtMisAA", 0},      {"txtMisAG", 1},         {"txtBombe", 2},       {"txtCluster", 3},
    {"txtFuelTank", 4},   {"txtEcm", 5},           {"txtAereo", 8},       {"txtFile", 9},
    {"txtZFW", 22},       {"txtMTOW", 23},         {"txtIntFuel", 24},    {"txtExtFuel", 26},
    {"txtTotalFuel", 32}, {"txtActualWeight", 34}, {"txtCompWeight", 36}, {"cmdCompute", 37},
    {"cmdWeight", 38},    {"txtSpMi", 45},         {"txtSpS1", 46},       {"txtSpSt", 47},
    {"txtSpS2", 48},      {"txtSpMa", 49},         {"txtAlMi", 50},       {"cmdTable", 51},
    {"txtAlS1", 56},      {"txtAlSt", 57},         {"txtAlS2", 58},       {"txtAlMa", 59},
    {"Option1", 60},      {"Option2", 61},         {"Option3", 62},       {"MSFG1", 63},
    {"MSFG2", 64},
};

QLabel* AddLabel(QWidget* client, const char* name, const char* text, int left, int top, int width,
                 bool centred) {
  auto* label = new QLabel(QString::fromLatin1(text), client);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(RectFromTwips(left, top, width, kLabelHeight));
  label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  return label;
}

// "txtMisAA" labels as "lblMisAA".
QString LabelNameOf(const char* fieldName) {
  return QStringLiteral("lbl") + QString::fromLatin1(fieldName).mid(3);
}

}  // namespace

void Form1::BuildControls(QWidget* client) {
  BuildLines(client);
  BuildFields(client);
  BuildLabels(client);
  BuildButtons(client);
  BuildLegend(client);
  BuildGrids(client);
  SetFocusOrder();
}

void Form1::BuildFields(QWidget* client) {
  for (const FieldPlace& place : kFields) {
    auto* field = new QLineEdit(QString::fromLatin1(place.text), client);
    field->setObjectName(QString::fromLatin1(place.name));
    field->setGeometry(RectFromTwips(place.left, place.top, place.width, kFieldHeight));
    field->setEnabled(place.editable);
    if (place.toolTip != nullptr) field->setToolTip(QString::fromLatin1(place.toolTip));
    if (place.numeric) field->setAlignment(Qt::AlignCenter);
    if (place.label != nullptr) {
      AddLabel(client, LabelNameOf(place.name).toLatin1().constData(), place.label, place.labelLeft,
               place.top, place.labelWidth, false);
    }
    this->*place.member = field;
  }
  txtExtraWeight->hide();  // holds the stores weight; never seen
}

void Form1::BuildLabels(QWidget* client) {
  for (const LabelPlace& place : kLabels) {
    AddLabel(client, place.name, place.text, place.left, place.top, place.width, place.centred);
  }
}

void Form1::BuildButtons(QWidget* client) {
  for (const ButtonPlace& place : kButtons) {
    auto* button = new WrappingButton(QString::fromLatin1(place.text), client);
    button->setObjectName(QString::fromLatin1(place.name));
    button->setGeometry(RectFromTwips(place.left, kButtonTop, kButtonWidth, kButtonHeight));
    button->setAutoDefault(false);
    this->*place.member = button;
  }
}

void Form1::BuildLegend(QWidget* client) {
  Label1 = AddLabel(client, "Label1", "2nd Grid", 10560, 240, 1575, true);
  auto* group = new QButtonGroup(this);
  for (const OptionPlace& place : kOptions) {
    auto* option = new QRadioButton(
        QString::fromLatin1(place.text.data(), static_cast<qsizetype>(place.text.size())), client);
    option->setObjectName(QString::fromLatin1(place.name));
    option->setGeometry(RectFromTwips(10560, place.top, 1575, kLabelHeight));
    group->addButton(option);
    this->*place.member = option;
  }
  Option1->setChecked(true);
  for (const SwatchPlace& place : kSwatches) {
    auto* swatch = new QFrame(client);
    swatch->setObjectName(QString::fromLatin1(place.name));
    swatch->setGeometry(RectFromTwips(12360, place.top, 255, 255));
    swatch->setStyleSheet(
        QStringLiteral("QFrame { background-color: %1; border: 1px solid black; }")
            .arg(QColorFromColour(place.fill).name()));
    this->*place.member = swatch;
  }
  // The best-speed marks of the grids, below the four colours.
  shpBestSpeed = new QFrame(client);
  shpBestSpeed->setObjectName(QStringLiteral("shpBestSpeed"));
  shpBestSpeed->setGeometry(RectFromTwips(12360, 2985, 255, 255));
  shpBestSpeed->setStyleSheet(
      QStringLiteral("QFrame { background-color: #ffffff; border: 2px solid %1; }")
          .arg(BestSpeedFrameColour().name()));
  lblBestSpeed =
      AddLabel(client, "lblBestSpeed", "Framed, bold: best of its row", 12840, 2985, 2175, false);
  const QString marks = QStringLiteral(
      "View > Mark Best Speeds: in each row the cell of least fuel flow in the upper grid (best "
      "endurance), and of least fuel per NM in the lower grid while it shows lb/NM (best range)");
  shpBestSpeed->setToolTip(marks);
  lblBestSpeed->setToolTip(marks);
}

void Form1::BuildLines(QWidget* client) {
  int number = 0;
  for (const LinePlace& place : kLines) {
    auto* line = new QFrame(client);
    line->setObjectName(QStringLiteral("Line%1").arg(++number));
    const QRect ends(QPoint(PixelsFromTwips(place.x1), PixelsFromTwips(place.y1)),
                     QPoint(PixelsFromTwips(place.x2), PixelsFromTwips(place.y2)));
    line->setGeometry(ends.normalized());  // one pixel thick along the other axis
    line->setStyleSheet(QStringLiteral("QFrame { background-color: #808080; }"));
  }
}

void Form1::BuildGrids(QWidget* client) {
  model1_ = new ResultGridModel(workspace_->grid1(), this);
  model2_ = new ResultGridModel(workspace_->grid2(), this);
  MSFG1 = new ResultGridView(client);
  MSFG1->setObjectName(QStringLiteral("MSFG1"));
  MSFG1->setGeometry(RectFromTwips(240, 3720, 14775, 3255));
  MSFG1->SetGridModel(model1_);
  MSFG2 = new ResultGridView(client);
  MSFG2->setObjectName(QStringLiteral("MSFG2"));
  MSFG2->setGeometry(RectFromTwips(240, 7440, 14775, 3255));
  MSFG2->SetGridModel(model2_);
}

void Form1::BuildMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileApri = mnuFile->addAction(QStringLiteral("&Load"));
  mnuFileRecent = mnuFile->addMenu(QStringLiteral("Open &Recent"));
  mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
  mnuFileRecent->menuAction()->setObjectName(QStringLiteral("mnuFileRecent"));
  mnuFileSalva = mnuFile->addAction(QStringLiteral("&Save"));
  mnuFileNome = mnuFile->addAction(QStringLiteral("S&ave As"));
  mnuFileEsci = mnuFile->addAction(QStringLiteral("&Exit"));
  // Our additions to the window (details, summary, charts...) gather here, beside the two menus
  // of the original layout.
  mnuView = menuBar()->addMenu(QStringLiteral("&View"));
  mnuView->setObjectName(QStringLiteral("mnuView"));
  mnuViewMarks = mnuView->addAction(QStringLiteral("Mark &Best Speeds"));
  mnuViewMarks->setObjectName(QStringLiteral("mnuViewMarks"));
  mnuViewMarks->setCheckable(true);
  mnuViewMarks->setChecked(true);
  mnuHelp1 = menuBar()->addMenu(QStringLiteral("&?"));
  mnuHelp1->setObjectName(QStringLiteral("mnuHelp1"));
  mnuHelp = mnuHelp1->addAction(QStringLiteral("&Help"));
  mnuCred = mnuHelp1->addAction(QStringLiteral("&Credits"));
  mnuFileApri->setObjectName(QStringLiteral("mnuFileApri"));
  mnuFileSalva->setObjectName(QStringLiteral("mnuFileSalva"));
  mnuFileNome->setObjectName(QStringLiteral("mnuFileNome"));
  mnuFileEsci->setObjectName(QStringLiteral("mnuFileEsci"));
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuCred->setObjectName(QStringLiteral("mnuCred"));
}

void Form1::SetFocusOrder() {
  std::vector<FocusPlace> order(std::begin(kFocusOrder), std::end(kFocusOrder));
  std::sort(order.begin(), order.end(),
            [](const FocusPlace& a, const FocusPlace& b) { return a.tab < b.tab; });
  QWidget* previous = nullptr;
  for (const FocusPlace& place : order) {
    auto* widget = findChild<QWidget*>(QString::fromLatin1(place.name));
    if (previous != nullptr && widget != nullptr) setTabOrder(previous, widget);
    if (widget != nullptr) previous = widget;
  }
}

}  // namespace tz9
