// The configurator's entry point; the windows are created by the application object.
int main() { return 0; }
