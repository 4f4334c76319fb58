// The framework registers its own classes; nothing more to set up here.
void KestTestModuleInit() {}
