# The two commands of the README. Both install what a fresh Debian machine lacks.
SIMULATOR := build/Voranth
DEMO_LOG  := $(SIMULATOR)/Zephyrin_Log.txt

.PHONY: test demo deps configure build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

test: build
	@ctest --preset default

demo: build
	@$(SIMULATOR)/vrhost --scenario $(SIMULATOR)/Scenarios/demo.vrs
	@echo
	@echo "demo: simulator tree     $(SIMULATOR)/"
	@echo "demo: plug-in log        $(DEMO_LOG)"
	@echo "demo: main configuration $(SIMULATOR)/Sound/Cfg/Zephyrin3.cfg"
