// Stand-ins for the window's dialogs and small helpers shared by the window tests.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QtTest>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "aircraft_file_chooser.h"
#include "form1.h"
#include "message_notifier.h"

namespace tz9::test {

// Answers the Load dialog from a queue: a path, or nothing for a cancel.
class ScriptedFileChooser final : public AircraftFileChooser {
 public:
  explicit ScriptedFileChooser(std::deque<std::optional<std::string>>* answers)
      : answers_(answers) {}
  std::optional<std::string> ChooseAircraftFile() override {
    if (answers_->empty()) return std::nullopt;
    std::optional<std::string> answer = answers_->front();
    answers_->pop_front();
    return answer;
  }

 private:
  std::deque<std::optional<std::string>>* answers_;
};

// Keeps every message instead of showing it.
class RecordingNotifier final : public MessageNotifier {
 public:
  explicit RecordingNotifier(std::vector<std::pair<QString, QString>>* shown) : shown_(shown) {}
  void Inform(const QString& title, const QString& text) override {
    shown_->emplace_back(title, text);
  }

 private:
  std::vector<std::pair<QString, QString>>* shown_;
};

inline std::string ExamplePath(const char* fileName) {
  return std::string(TZ9_EXAMPLES_DIR) + "/" + fileName;
}

inline QLineEdit* Field(const Form1& form, const char* name) {
  QLineEdit* field = form.findChild<QLineEdit*>(QString::fromLatin1(name));
  if (field == nullptr) qFatal("no field %s", name);
  return field;
}

inline QString FieldText(const Form1& form, const char* name) {
  return Field(form, name)->text();
}

// Replaces a field's text as a user would: select all, then type.
inline void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

}  // namespace tz9::test
