#include "app/remembered_game.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <utility>

#include "app/product_info.h"
#include "view/user_services.h"

namespace {

// Far more copies than anyone runs; the search for a free name ends there.
constexpr int kMostCopies = 1000;

QString NameOf(int copy) {
  return copy == 1 ? QStringLiteral("remembered.wendrel")
                   : QStringLiteral("remembered-%1.wendrel").arg(copy);
}

bool IsRememberedName(const QString& name) {
  static const QRegularExpression kName(QStringLiteral("^remembered(-[1-9][0-9]*)?\\.wendrel$"));
  return kName.match(name).hasMatch();
}

// The claim on the remembered file at path, or nothing; error says why not.
std::unique_ptr<QLockFile> Claim(const QString& path, QLockFile::LockError& error) {
  auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
  // Held for the whole run, so never stale by its age: only by a copy that has ended.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0))
    return lock;
  error = lock->error();
  return nullptr;
}

void ShowBox(UserServices& services, QWidget* owner, const QString& text) {
  services.MessageBox(owner, text, QString::fromLatin1(product::kName), UserServices::Icon::Stop);
}

}  // namespace

RememberedGame::RememberedGame(UserServices& services) : m_services(services) {
  m_writer.setMaxThreadCount(1);
}

RememberedGame::~RememberedGame() {
  Finish();
}

QString RememberedGame::Folder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::optional<wendrel::SavedGame> RememberedGame::TakeUp(QWidget* owner) {
  const QFileInfoList files = QDir(Folder()).entryInfoList({QStringLiteral("remembered*.wendrel")},
                                                           QDir::Files, QDir::Time);
  for (const QFileInfo& file : files) {
    if (!IsRememberedName(file.fileName()))
      continue;
    const QString path = file.filePath();
    QLockFile::LockError error = QLockFile::NoError;
    std::unique_ptr<QLockFile> lock = Claim(path, error);
    if (!lock && error == QLockFile::LockFailedError)
      continue;  // another copy's game
    // Taken up by the copy that closed it since the folder was read, or forgotten.
    if (!QFileInfo::exists(path))
      continue;
    GameFileIo::Read read = GameFileIo::ReadFrom(path);
    if (read.outcome == GameFileIo::Read::Outcome::kFailed) {
      const QString aside = SetAside(path);
      ShowBox(m_services, owner,
              aside.isEmpty() ? tr("The remembered game %1 could not be read (%2).")
                                    .arg(QDir::toNativeSeparators(path), read.reason)
                              : tr("The remembered game could not be read (%1); it was kept as %2")
                                    .arg(read.reason, QDir::toNativeSeparators(aside)));
      continue;
    }
    // In a folder that takes no lock no copy can write: the game comes back all the same,
    // and what would remember it is refused.
    if (lock) {
      m_lock = std::move(lock);
      m_path = path;
    }
    if (read.outcome == GameFileIo::Read::Outcome::kGame)
      return std::move(read.game);
    return std::nullopt;
  }
  return std::nullopt;
}

void RememberedGame::Begin(QWidget* owner) {
  if (!m_lock && !ClaimFree())
    ShowBox(m_services, owner, Refusal());
}

void RememberedGame::Remember(GameFileIo::Text text) {
  if (!m_lock && !ClaimFree()) {
    emit Failed(Refusal());
    return;
  }
  // A write still waiting is overtaken by the newer game.
  m_waiting = Write{m_path, std::move(text)};
  if (!m_busy)
    StartNext();
}

void RememberedGame::RememberNow(GameFileIo::Text text, QWidget* owner) {
  m_waiting.reset();
  Finish();
  if (!m_lock && !ClaimFree()) {
    ShowBox(m_services, owner, Refusal());
    return;
  }
  if (const std::optional<QString> failure = Run({m_path, std::move(text)}))
    ShowBox(m_services, owner, tr("The game could not be remembered: %1").arg(*failure));
}

void RememberedGame::Forget() {
  m_waiting.reset();
  Finish();
  if (!m_lock)
    return;
  QFile::remove(m_path);
  m_lock.reset();
  m_path.clear();
}

bool RememberedGame::ClaimFree() {
  if (!QDir().mkpath(Folder()))
    return false;
  for (int copy = 1; copy <= kMostCopies; ++copy) {
    const QString path = QDir(Folder()).filePath(NameOf(copy));
    if (QFileInfo::exists(path))
      continue;
    QLockFile::LockError error = QLockFile::NoError;
    std::unique_ptr<QLockFile> lock = Claim(path, error);
    if (!lock && error != QLockFile::LockFailedError)
      return false;
    // A name another copy holds, or whose game a copy that closed has just written.
    if (!lock || QFileInfo::exists(path))
      continue;
    m_lock = std::move(lock);
    m_path = path;
    return true;
  }
  return false;
}

QString RememberedGame::Refusal() const {
  return tr("The game cannot be remembered: the folder %1 cannot be written.")
      .arg(QDir::toNativeSeparators(Folder()));
}

void RememberedGame::StartNext() {
  m_busy = true;
  Write write = std::move(*m_waiting);
  m_waiting.reset();
  m_writer.start([this, write = std::move(write)] {
    std::optional<QString> failure = Run(write);
    QMetaObject::invokeMethod(
        this,
        [this, failure = std::move(failure)] {
          m_busy = false;
          if (failure)
            emit Failed(tr("The game could not be remembered: %1").arg(*failure));
          if (m_waiting)
            StartNext();
        },
        Qt::QueuedConnection);
  });
}

void RememberedGame::Finish() {
  m_writer.waitForDone();
  if (m_waiting)
    Run(*std::exchange(m_waiting, std::nullopt));
}

std::optional<QString> RememberedGame::Run(const Write& write) {
  return GameFileIo::WriteTo(write.path, write.text(), wendrel::OutputFile::Writing::kWholeOnly);
}

QString RememberedGame::SetAside(const QString& path) {
  // Kept for a look, out of the way of the next write. A second one in the same second
  // takes the next number.
  const QString stamped =
      path + QStringLiteral(".unreadable-") +
      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  for (int n = 1; n <= kMostCopies; ++n) {
    const QString aside = n == 1 ? stamped : stamped + QStringLiteral("-%1").arg(n);
    // Never over an earlier one: a name that is taken refuses the rename.
    if (QFile::rename(path, aside))
      return aside;
    if (!QFileInfo::exists(aside))
      return {};
  }
  return {};
}
