#include "workbench/DataBaseSqlForm.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "generator/sql/DataBaseSql.h"
#include "workbench/Guard.h"

TDataBaseSqlForm::TDataBaseSqlForm(QWidget* owner, IPrompt& prompt) : QDialog(owner), prompt_(prompt) {
  setObjectName("DataBaseSqlForm");
  setWindowTitle(QStringLiteral("数据库建表sql语句"));
  setFixedSize(766, 551);
  Memo_Sql = new QPlainTextEdit(this);
  Memo_Sql->setObjectName("Memo_Sql");
  Memo_Sql->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo_Sql->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Tab stops every eight characters, as the script's column lines expect.
  Memo_Sql->setTabStopDistance(QFontMetricsF(Memo_Sql->font()).averageCharWidth() * 8);
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(Memo_Sql);
}

// The editor keeps lines apart itself; a CR left in the text would show as a stray glyph.
void TDataBaseSqlForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Guarded(prompt_, this, [this] {
    const QString script = QString::fromStdString(BuildTableScript(projectId_));
    Memo_Sql->setPlainText(QString(script).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  });
}
