// The persistence library registers no classes.
void KestTestModuleInit() {}
