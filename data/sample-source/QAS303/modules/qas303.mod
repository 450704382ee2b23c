Sample program module of component QAS303, release 1.
