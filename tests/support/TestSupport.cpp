// Shared test support: fixtures and fakes used by the engine, list, settings and window tests.
