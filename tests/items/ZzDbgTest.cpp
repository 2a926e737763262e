#include "CatalogSeed.h"
#include "GrocelleTest.h"
#include "MainWindowHarness.h"
#include "controls/CSoundButton.h"
#include "mainwnd/CommandIds.h"
#include <QLineEdit>
#include <QTest>
class Dbg : public GrocelleTest {};
TEST_F(Dbg, X) {
  SeedItem s; s.name="Milk"; s.qty=3;
  CatalogSeed::write({s});
  MainWindowHarness main;
  CSoundButton* b = main->button(ControlId::QuickPlus);
  int clicks=0;
  QObject::connect(b, &QAbstractButton::clicked, [&]{ ++clicks; });
  qDebug() << b->geometry() << b->isVisible() << b->isEnabled() << b->rect();
  QTest::mouseClick(main->button(ControlId::QuickMinus), Qt::LeftButton);
  QTest::mouseClick(b, Qt::LeftButton);
  qDebug() << clicks << main->quickQty().text() << sounds;
  b->click();
  qDebug() << clicks << main->quickQty().text();
}
