QString done() { return QStringLiteral("書き込みが終わりました。"); }
