// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs and how it follows its file on disk, in Qt's test
// location for settings (never the user's own).

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <cstdio>

#include "analyses/mission_window.h"
#include "common/version.h"
#include "shell/file_follower.h"
#include "window_test_support.h"

using tz9::test::kCheckAircraft;
using tz9::test::Session;

namespace {

QSettings Settings() {
  return QSettings(QString::fromLatin1(tz9::kSettingsOrganisation.data()),
                   QString::fromLatin1(tz9::kSettingsApplication.data()));
}

QByteArray CheckBytes() {
  QFile file(QString::fromStdString(kCheckAircraft));
  return file.open(QFile::ReadOnly) ? file.readAll() : QByteArray();
}

QString WriteAircraft(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (!file.open(QFile::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return file.fileName();
}

QStringList RecentNames(const Session& s) {
  QStringList names;
  for (const QAction* item : s.form->mnuFileRecent->actions())
    if (!item->isSeparator()) names << item->text();
  return names;
}

}  // namespace

class WindowMemoryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { Settings().clear(); }

  // Newest first, at most eight, a file gone since is told and dropped, Clear empties; all of it
  // kept for the next run.
  void RecentFilesAreKeptNewestFirst() {
    const QTemporaryDir dir;
    {
      Session s;
      s.form->RememberSettings();
      for (int i = 1; i <= 9; ++i)
        s.Load(WriteAircraft(dir, QStringLiteral("a%1.dat").arg(i), CheckBytes()).toStdString());
      QCOMPARE(RecentNames(s), QStringList({"a9.dat", "a8.dat", "a7.dat", "a6.dat", "a5.dat",
                                            "a4.dat", "a3.dat", "a2.dat", "Clear"}));
      QFile::remove(dir.filePath("a5.dat"));
      s.form->mnuFileRecent->actions().at(4)->trigger();
      QVERIFY2(s.Status().endsWith("a5.dat no longer exists: it was taken off the recent files."),
               qPrintable(s.Status()));
      s.form->mnuFileRecent->actions().at(1)->trigger();  // a8.dat, loaded again
      QCOMPARE(s.Text("txtFile"), "a8.dat");
    }
    Session again;
    again.form->RememberSettings();
    QCOMPARE(RecentNames(again), QStringList({"a8.dat", "a9.dat", "a7.dat", "a6.dat", "a4.dat",
                                              "a3.dat", "a2.dat", "Clear"}));
    again.form->findChild<QAction*>("mnuFileRecentClear")->trigger();
    Session third;
    third.form->RememberSettings();
    QCOMPARE(RecentNames(third), QStringList({"Clear"}));
  }

  // The window's size and the mission window's reserve come back; the loadout, weights and
  // ranges start as new. A damaged settings file is ignored.
  void ARestartRestoresPlacesAndAnalysisFieldsOnly() {
    {
      Session s;
      s.form->RememberSettings();
      s.form->show();
      s.form->resize(1100, 700);
      s.Type("txtCompWeight", "20000");
      s.Type("txtSpMi", "200");
      s.form->findChild<tz9::MissionWindow*>()->findChild<QLineEdit*>("txtReserve")->setText("500");
      s.form->close();
    }
    Session again;
    again.form->RememberSettings();
    QCOMPARE(again.form->size(), QSize(1100, 700));
    QCOMPARE(
        again.form->findChild<tz9::MissionWindow*>()->findChild<QLineEdit*>("txtReserve")->text(),
        "500");
    const Session fresh;
    for (const char* field : {"txtCompWeight", "txtSpMi"})
      QCOMPARE(again.Text(field), fresh.Text(field));

    const QString file = Settings().fileName();
    QFile damaged(file);
    QVERIFY(damaged.open(QFile::WriteOnly));
    damaged.write(QByteArray("\x01[windows\n=\xff\xfe garbage", 22));
    damaged.close();
    Session afterDamage;
    afterDamage.form->RememberSettings();
    QCOMPARE(RecentNames(afterDamage), QStringList({"Clear"}));
    QCOMPARE(afterDamage.form->size(), fresh.form->size());
  }

  // Changed, replaced by a rename, deleted: each gives its bar; Reload reads the file again and
  // the grids are out of date until Compute Table, which then shows the new model's cells.
  void TheLoadedFileIsFollowedOnDisk() {
    const QTemporaryDir dir;
    const QString path = WriteAircraft(dir, "live.dat", CheckBytes());
    Session s;
    tz9::test::ComputeTheCheckTable(s);
    s.Load(path.toStdString());
    s.Type("txtCompWeight", "20000");
    s.Click(s.form->cmdCompute);
    const QString before = QString::fromStdString(std::string(s.form->grid1().TextAt(1, 1)));
    QToolBar* bar = s.form->fileFollower->barFileChanged;
    QVERIFY(bar->isHidden());

    // A 20 % larger reference area: less lift coefficient needed, less drag at 300 kt.
    QByteArray changed = CheckBytes();
    changed.replace("300, wing reference area", "360, wing reference area");
    QVERIFY(changed != CheckBytes());
    WriteAircraft(dir, "live.dat", changed);
    QTRY_VERIFY(!bar->isHidden());
    QCOMPARE(s.form->fileFollower->lblFileChanged->text(), "The aircraft file changed on disk.");
    s.Click(s.form->fileFollower->cmdReload);
    QVERIFY(bar->isHidden());
    QVERIFY(s.form->CurrentStaleness().aircraftChanged);
    s.Click(s.form->cmdCompute);
    QVERIFY(QString::fromStdString(std::string(s.form->grid1().TextAt(1, 1))) != before);

    const QString written = WriteAircraft(dir, "live.dat.new", CheckBytes());
    // As an editor saves: a new file renamed over the old one.
    QVERIFY(std::rename(QFile::encodeName(written).constData(),
                        QFile::encodeName(path).constData()) == 0);
    QTRY_VERIFY(!bar->isHidden());
    QCOMPARE(s.form->fileFollower->lblFileChanged->text(), "The aircraft file changed on disk.");
    s.Click(s.form->fileFollower->cmdDismiss);
    QVERIFY(bar->isHidden());

    QVERIFY(QFile::remove(path));
    QTRY_VERIFY(!bar->isHidden());
    QVERIFY(
        s.form->fileFollower->lblFileChanged->text().startsWith("The aircraft file was deleted"));
    QVERIFY(!s.form->fileFollower->cmdReload->isEnabled());
  }
};

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
