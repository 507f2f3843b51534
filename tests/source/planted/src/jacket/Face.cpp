// 「編集」 in a comment
QString face() { return QStringLiteral("ＭＳ Ｐ明朝"); }
void name(QWidget *w) { w->setObjectName(QStringLiteral("追加")); }
