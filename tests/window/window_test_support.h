// SPDX-License-Identifier: GPL-3.0-or-later
// One main window driven as a user drives it: the Load dialog answers with the path the test
// gives (nothing for a cancel) and messages are recorded instead of shown.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "aircraft_file_chooser.h"  // with <optional> and <string>
#include "form1.h"
#include "message_notifier.h"

namespace tz9::test {

inline const std::string kCheckAircraft = std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat";

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
};

}  // namespace tz9::test
