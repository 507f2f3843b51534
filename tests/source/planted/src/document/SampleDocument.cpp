QString sample() { return QStringLiteral("アルバム"); }
