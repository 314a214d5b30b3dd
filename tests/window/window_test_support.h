// SPDX-License-Identifier: GPL-3.0-or-later
// One main window driven as a user drives it: the Load dialog answers with the path the test
// gives (nothing for a cancel) and messages are recorded instead of shown. Also the shared
// set-ups (the check table, the analysis windows) and the readings of grids and tables.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "grids/result_grid_model.h"
#include "grids/result_grid_view.h"
#include "shell/form1.h"
#include "tables/result_grid.h"
#include "widgets/aircraft_file_chooser.h"  // with <optional> and <string>
#include "widgets/message_notifier.h"

namespace tz9::test {

inline const std::string kCheckAircraft = std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat";
inline const std::string kGenericFighter = std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";

struct ScriptedChooser final : AircraftFileChooser {
  explicit ScriptedChooser(const std::optional<std::string>* answer) : answer(answer) {}
  std::optional<std::string> ChooseAircraftFile() override { return *answer; }
  const std::optional<std::string>* answer;
};

struct RecordingNotifier final : MessageNotifier {
  explicit RecordingNotifier(QStringList* shown) : shown(shown) {}
  void Inform(const QString& title, const QString& text) override { *shown << title + "|" + text; }
  QStringList* shown;
};

struct Session {
  std::optional<std::string> answer;
  QStringList messages;  // "caption|text"
  std::unique_ptr<Form1> form = std::make_unique<Form1>();

  Session() {
    form->SetFileChooser(std::make_unique<ScriptedChooser>(&answer));
    form->SetNotifier(std::make_unique<RecordingNotifier>(&messages));
  }
  void Load(std::optional<std::string> path) {
    answer = std::move(path);
    form->mnuFileApri->trigger();
  }
  QLineEdit* Field(const QString& name) const { return form->findChild<QLineEdit*>(name); }
  QString Text(const QString& name) const { return Field(name)->text(); }
  QString Status() const { return form->lblStatus->text(); }
  // Replaces a field's text as a user would: select all, then type it or paste it (one change).
  void Type(const QString& name, const QString& text, bool paste = false) const {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    if (!paste) return QTest::keyClicks(field, text);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  }
  void Click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
  // Types "name=value" pairs, blank-separated, into their fields.
  void TypeAll(const QString& pairs) const {
    for (const QString& pair : pairs.split(' ', Qt::SkipEmptyParts))
      Type(pair.section('=', 0, 0), pair.section('=', 1));
  }
  // Picks a second-grid option as a user does, on its indicator: a short caption leaves the
  // rest of its width unclickable.
  void Choose(const QString& option) const {
    auto* button = form->findChild<QRadioButton*>(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
};

// Speeds 300 to 660 kt by 10 (grid column c holds 290 + 10 c) and altitudes 0 (grid row 1) and
// 40000 ft (grid row 2).
inline const QString kCheckRanges =
    "txtSpMi=300 txtSpS1=10 txtSpSt=660 txtSpS2=10 txtSpMa=660 "
    "txtAlMi=0 txtAlS1=40000 txtAlSt=40000 txtAlS2=1000 txtAlMa=40000";
// The check aircraft's speeds 150 to 660 kt by 30 (grid column c holds 120 + 30 c).
inline const QString kCheckSpeeds = "txtSpMi=150 txtSpS1=30 txtSpSt=660 txtSpS2=30 txtSpMa=660";

// Types "name=value" pairs into their fields and presses Create Table.
inline void LayOut(Session& s, const QString& ranges) {
  s.TypeAll(ranges);
  s.Click(s.form->cmdTable);
}

// Types the computing weight, chooses the option and presses Compute Table.
inline void ComputeAt(Session& s, const QString& weight, const QString& option = "Option1") {
  s.Type("txtCompWeight", weight);
  s.Choose(option);
  s.Click(s.form->cmdCompute);
}

// The check aircraft laid out by Create Table on ranges ("name=value" pairs typed over the
// fields; none: the fields as they are) and computed at weight with the second-grid option
// named mode (the one chosen when empty).
inline void ComputeTheCheckTable(Session& s, const QString& mode = {},
                                 const QString& ranges = kCheckRanges,
                                 const QString& weight = QStringLiteral("20000")) {
  s.Load(kCheckAircraft);
  LayOut(s, ranges);
  s.Type("txtCompWeight", weight);
  if (!mode.isEmpty()) s.Choose(mode);
  s.Click(s.form->cmdCompute);
}

inline void ShowWindow(Session& s) {
  s.form->show();
  if (!QTest::qWaitForWindowExposed(s.form.get())) qFatal("window not shown");
}

inline void ShowActive(Session& s) {
  s.form->show();
  s.form->activateWindow();
  if (!QTest::qWaitForWindowActive(s.form.get())) qFatal("window not active");
}

// What a label of the window shows: its text while it is visible, else nothing.
inline QString Shown(const Session& s, const char* name) {
  const auto* label = s.form->findChild<QLabel*>(name);
  if (label == nullptr) return QStringLiteral("no %1").arg(name);
  return label->isVisibleTo(s.form.get()) ? label->text() : QString();
}

inline QModelIndex GridIndex(const ResultGridView* view, int gridRow, int gridCol) {
  return view->model()->index(gridRow - 1, gridCol - 1);
}

// A data cell's text and background: "1896 #ffff00", or "300 none" without one of its own.
inline QString CellShown(const ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = GridIndex(view, gridRow, gridCol);
  const QVariant background = index.data(Qt::BackgroundRole);
  return index.data().toString() + " " +
         (background.isValid() ? background.value<QColor>().name() : QStringLiteral("none"));
}

// A click on a data cell of a grid, as the user makes it (twice: a double-click).
inline void ClickCell(ResultGridView* view, int gridRow, int gridCol, bool twice = false) {
  const QModelIndex index = GridIndex(view, gridRow, gridCol);
  view->scrollTo(index);
  const QPoint centre = view->visualRect(index).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
  if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

// Whether a grid cell carries a best-speed mark, as the model tells its views: a frame and
// bold text, nothing else.
inline bool Marked(const ResultGridView* view, int gridRow, int gridCol) {
  const QModelIndex index = GridIndex(view, gridRow, gridCol);
  const bool framed = index.data(ResultGridModel::kMarkedRole).toBool();
  const QVariant font = index.data(Qt::FontRole);
  const bool bold = font.isValid() && font.value<QFont>().bold();
  if (framed != bold) qFatal("a cell is framed without bold text or the other way");
  return framed;
}

// The text of an analysis table's cell, by grid row and column (row 0: captions).
inline QString TableText(const ResultGrid& table, int row, int col) {
  const std::string_view text = table.TextAt(row, col);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The column of an analysis table with this caption; fails the test when there is none.
inline int ColumnOf(const ResultGrid& table, const QString& caption) {
  for (int col = 0; col < table.Cols(); ++col)
    if (TableText(table, 0, col) == caption) return col;
  qFatal("no column %s", qPrintable(caption));
}

// The check aircraft's text with one text replaced, or cut short before it (to == nullptr);
// the whole text when from == nullptr.
inline QByteArray CheckAircraftWith(const char* from, const char* to) {
  QFile file(QString::fromStdString(kCheckAircraft));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no check aircraft");
  const QByteArray text = file.readAll().replace("\r", "");
  if (from == nullptr) return text;
  if (!text.contains(from)) qFatal("no %s in the check aircraft", from);
  return to == nullptr ? text.left(text.indexOf(from)) : QByteArray(text).replace(from, to);
}

// Writes bytes to name in folder; returns the path.
inline QString WriteFile(const QTemporaryDir& folder, const QString& name,
                         const QByteArray& bytes) {
  QFile file(folder.filePath(name));
  if (!file.open(QFile::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
  return file.fileName();
}

}  // namespace tz9::test
