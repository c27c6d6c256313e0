// Placeholder until the SDL window lands.
int main() { return 0; }
