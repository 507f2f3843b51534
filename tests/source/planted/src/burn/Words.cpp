QString said(bool simulated)
{
    return simulated ? QString() : QStringLiteral("書き込みに失敗しました。");
}
