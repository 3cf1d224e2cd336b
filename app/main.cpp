// Placeholder until the main window lands: the window program is built by
// the main-window work.
int main() { return 0; }
