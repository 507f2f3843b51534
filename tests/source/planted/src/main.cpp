int main() { fputs("ディスプレイがありません\n", stderr); }
