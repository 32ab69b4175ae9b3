# Front door: `make run` starts Vantrel, `make test` runs every test.
# Both install what is missing (scripts/setup) and build first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: all setup build run test bench format clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/Vantrel

test: build
	@cd $(BUILD_DIR) && xvfb-run -a ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/bench_walk
	@$(BUILD_DIR)/bench/bench_compare
	@xvfb-run -a $(BUILD_DIR)/bench/bench_grid_store
	@xvfb-run -a -s "-screen 0 1400x900x24" $(BUILD_DIR)/bench/bench_grid_paint
	@xvfb-run -a $(BUILD_DIR)/bench/bench_gui_compare
	@xvfb-run -a $(BUILD_DIR)/bench/bench_copy_all

format:
	@find fs compare grid app update cli tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
