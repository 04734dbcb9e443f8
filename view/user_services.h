#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What the program asks of the user's desktop: modal message boxes, starting another
// program, and the file dialogs. The program uses the Qt implementation; tests put a
// recorder in its place, so that no test ever waits on a modal box.
class UserServices {
 public:
  enum class Icon { None, Stop };

  virtual ~UserServices() = default;

  // A modal box with the text, the caption and a single OK button; returns when closed.
  virtual void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                          Icon icon) = 0;
  // A modal question with Yes and No; returns whether the user answered Yes.
  virtual bool Ask(QWidget* owner, const QString& text, const QString& caption) = 0;
  // Starts program with the arguments as given, never through a shell. Returns whether
  // the process could be started.
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
  // The standard file dialogs, offering the files that filter names (Qt's form, for
  // example "Games (*.wendrel)"); an empty string when the user cancels.
  virtual QString OpenFileName(QWidget* owner, const QString& filter) = 0;
  virtual QString SaveFileName(QWidget* owner, const QString& filter) = 0;
};
