Sample program module of component QAV8WSEE, release 1.
