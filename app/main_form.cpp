// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/fonts.h"
#include "app/looks.h"
#include "app/registry.h"
#include "common/elementary.h"

namespace ombrel {

MainForm::MainForm() : QMainWindow(nullptr, dialogFrame()) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Ombrel专业版  V2.0"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/ombrel.png")));
  setFont(songFont());

  // The menu bar belongs to the window, never to a desktop-wide menu.
  menuBar()->setNativeMenuBar(false);
  QMenu* menu = nullptr;
  for (const MenuCommand& row : menuTree()) {
    const QString title = qs(row.menu);
    if (!menu || menu->title() != title) {
      menu = menuBar()->addMenu(title);
      menu->setObjectName(title);
    }
    const QString text = qs(row.command), window = qs(row.window);
    QAction* action = menu->addAction(text);
    action->setObjectName(text);
    connect(action, &QAction::triggered, this, [this, window] { emit commandChosen(window); });
  }

  // Client area 8355 x 6030 twips below the menu bar.
  auto* client = new QWidget(this);
  client->setFixedSize(pixels(8355), pixels(6030));
  setCentralWidget(client);
  client->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(client, &QWidget::customContextMenuRequested, this, [this, client](const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MainFormMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("关于 Ombrel…"), this, &MainForm::showAbout)
        ->setObjectName(QStringLiteral("关于 Ombrel…"));
    menu->popup(client->mapToGlobal(at));
  });
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainForm::showAbout() {
  if (!about_) {
    about_ = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("关于 Ombrel"), {}, QMessageBox::Close, this);
    about_->setObjectName(QStringLiteral("AboutBox"));
    about_->setIconPixmap(windowIcon().pixmap(64));
    about_->setModal(false);
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->setTextFormat(Qt::PlainText);
    about_->setText(windowTitle() + QStringLiteral("\n开关电源设计的工程计算"));
    about_->setInformativeText(
        QStringLiteral("自由软件，依 GNU 通用公共许可证第 3 版或（任选）更新版本发布，不提供任何担保。\n\n"
                       "使用的库：\n"
                       "Qt %1（LGPL-3.0）\n"
                       "%2（LGPL-3.0-or-later；GMP 亦可依 GPL-2.0-or-later）：初等函数正确舍入，"
                       "各平台的结果逐位相同\n\n"
                       "磁芯形状与磁芯材料数据：MAS 数据集（原 OpenMagnetics MAS，Apache-2.0）")
            .arg(QString::fromLatin1(qVersion()), QString::fromStdString(cr::libraries())));
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void MainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closing();
}

}  // namespace ombrel
