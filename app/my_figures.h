#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "io/figure_file.h"
#include "shapes/figure.h"

// The player's own figures: a copy of each figure file they opened or traced, kept in a
// folder of the program's data, named as the figure is on command lines. The program's
// figures come first wherever figures are looked up, so that a file cannot take the name
// of one of them.
class MyFigures {
 public:
  // The folder in the user's data folder, once the application has its name.
  static QString DefaultFolder();

  // Without a folder, the default one, found when it is first needed.
  explicit MyFigures(QString folder = {});

  // Reads every figure file of the folder. A file that no longer reads is moved aside,
  // into the folder's "unreadable" folder, so that it is neither lost nor read again; the
  // result names each with its reason, for a message.
  QStringList Load();
  const std::vector<wendrel::FigureRef>& Figures() const { return m_figures; }

  // The figure of that name: the program's, else the player's; none when neither has it.
  wendrel::FigureRef Find(const std::string& name) const;

  // Keeps a copy of a figure file's text, which must read, under a name of its own (name,
  // with a number added if it is taken) and returns the figure as kept; none when the copy
  // cannot be written, with the reason in error. The text is kept as it was, so that the
  // figure is scaled from the same numbers whenever it is read.
  wendrel::FigureRef Add(const std::string& text, const std::string& name, QString& error);
  // Forgets the player's figure of that name and deletes its copy.
  bool Remove(const std::string& name, QString& error);

 private:
  QString PathOf(const std::string& name) const;
  QString Folder() const { return m_folder.isEmpty() ? DefaultFolder() : m_folder; }

  QString m_folder;
  std::vector<wendrel::FigureRef> m_figures;
};
