const Row rows[] = {{U'髙', QStringLiteral("高")}};
