#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "view/user_services.h"

// Stands in for the desktop in tests: remembers what was asked and returns at once.
class RecordingUserServices : public UserServices {
 public:
  struct Message {
    QString text;
    QString caption;
    Icon icon;
  };
  struct ProgramStart {
    QString program;
    QStringList arguments;
  };

  void MessageBox(QWidget*, const QString& text, const QString& caption, Icon icon) override {
    messages.push_back({text, caption, icon});
  }
  bool Ask(QWidget*, const QString& text, const QString& caption) override {
    questions.push_back({text, caption, Icon::None});
    return answer;
  }
  bool StartProgram(const QString& program, const QStringList& arguments) override {
    starts.push_back({program, arguments});
    return startSucceeds;
  }
  QString OpenFileName(QWidget*, const QString& filter) override {
    fileFilter = filter;
    return openFileName;
  }
  QString SaveFileName(QWidget*, const QString& filter) override {
    fileFilter = filter;
    return saveFileName;
  }

  std::vector<Message> messages;
  std::vector<Message> questions;
  bool answer = false;  // what the user "answers" to every question
  std::vector<ProgramStart> starts;
  bool startSucceeds = true;
  QString openFileName;  // what the open dialog "chooses"; empty = cancelled
  QString saveFileName;
  QString fileFilter;  // what the last file dialog was asked to offer
};
