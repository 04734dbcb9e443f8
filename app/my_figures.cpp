#include "app/my_figures.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "io/figure_box.h"

QString MyFigures::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/figures");
}

MyFigures::MyFigures(QString folder) : m_folder(std::move(folder)) {}

QString MyFigures::PathOf(const std::string& name) const {
  return Folder() + u'/' + QString::fromStdString(name) +
         QString::fromUtf8(wendrel::kFigureFileExtension);
}

QStringList MyFigures::Load() {
  m_figures.clear();
  QStringList setAside;
  const QDir folder(Folder());
  const QStringList files = folder.entryList(
      {u'*' + QString::fromUtf8(wendrel::kFigureFileExtension)}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    const QString path = folder.filePath(file);
    wendrel::FigureFileRead read = wendrel::ReadFigureFileAt(path.toStdString());
    if (read.ok() && !wendrel::KnownFigure(read.figure.name) && !Find(read.figure.name)) {
      m_figures.push_back(std::make_shared<const wendrel::Figure>(std::move(read.figure)));
      continue;
    }
    const std::string reason = read.ok() ? "its name is taken" : wendrel::FigureFileReason(read);
    folder.mkpath(QStringLiteral("unreadable"));
    QFile::rename(path, folder.filePath(QStringLiteral("unreadable/") + file));
    setAside << file + QStringLiteral(": ") + QString::fromStdString(reason);
  }
  return setAside;
}

wendrel::FigureRef MyFigures::Find(const std::string& name) const {
  if (wendrel::FigureRef known = wendrel::KnownFigure(name))
    return known;
  const auto mine =
      std::find_if(m_figures.begin(), m_figures.end(),
                   [&](const wendrel::FigureRef& figure) { return figure->name == name; });
  return mine == m_figures.end() ? nullptr : *mine;
}

wendrel::FigureRef MyFigures::Add(const std::string& text, const std::string& name,
                                  QString& error) {
  std::string free = name;
  for (int n = 2; Find(free); ++n)
    free = name + '-' + std::to_string(n);
  wendrel::FigureFileRead read = wendrel::ReadFigureFile(text, free);
  if (!read.ok()) {
    error = QString::fromStdString(wendrel::FigureFileReason(read));
    return nullptr;
  }
  QDir().mkpath(Folder());
  QSaveFile file(PathOf(free));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    error = file.errorString();
    return nullptr;
  }
  m_figures.push_back(std::make_shared<const wendrel::Figure>(std::move(read.figure)));
  return m_figures.back();
}

bool MyFigures::Remove(const std::string& name, QString& error) {
  const auto mine =
      std::find_if(m_figures.begin(), m_figures.end(),
                   [&](const wendrel::FigureRef& figure) { return figure->name == name; });
  if (mine == m_figures.end())
    return false;
  QFile file(PathOf(name));
  if (file.exists() && !file.remove()) {
    error = file.errorString();
    return false;
  }
  m_figures.erase(mine);
  return true;
}
