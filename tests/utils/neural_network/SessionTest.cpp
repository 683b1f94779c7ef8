#include "utils/neural_network/Session.h"

#include "tests/modeling/AllocationCounter.h"
#include "tools/graph_generator/GraphBuilder.h"
#include "tools/graph_generator/Perceptron.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace utils {
namespace neural_network {
namespace {

using tools::graph_generator::Activation;
using tools::graph_generator::GraphBuilder;

void setFlag(proto::NodeDef& node, const char* name) { (*node.mutable_attr())[name].set_b(true); }

/// A graph fed at "x" (open sizes of the input's rank) whose rows add nodes up to the output "y".
struct OperationCase {
    const char* name;
    Shape inputShape;
    std::vector<float> input;
    std::function<void(GraphBuilder&)> addNodes;
    Shape outputShape;
    std::vector<float> output;
};

TEST(SessionTest, EvaluatesEachOperationWithItsAttributesAndBroadcasting) {
    const auto sigmoid = [](float x) { return 1.0F / (1.0F + std::exp(-x)); };
    const std::vector<OperationCase> cases = {
        {"MatMul",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("w", {2, 3}, {1, 2, 3, 4, 5, 6});
             g.operation("MatMul", "y", {"x", "w"});
         },
         {1, 3},
         {9, 12, 15}},
        {"MatMul transpose_b",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("w", {3, 2}, {1, 4, 2, 5, 3, 6});
             setFlag(g.operation("MatMul", "y", {"x", "w"}), "transpose_b");
         },
         {1, 3},
         {9, 12, 15}},
        {"MatMul transpose_a",
         {2, 1},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("w", {2, 3}, {1, 2, 3, 4, 5, 6});
             setFlag(g.operation("MatMul", "y", {"x", "w"}), "transpose_a");
         },
         {1, 3},
         {9, 12, 15}},
        {"BiasAdd along the last dimension",
         {2, 3},
         {0, 1, 2, 3, 4, 5},
         [](GraphBuilder& g) {
             g.constant("b", {3}, {10, 20, 30});
             g.operation("BiasAdd", "y", {"x", "b"});
         },
         {2, 3},
         {10, 21, 32, 13, 24, 35}},
        {"BiasAdd NCHW",
         {1, 2, 2},
         {0, 1, 2, 3},
         [](GraphBuilder& g) {
             g.constant("b", {2}, {10, 20});
             (*g.operation("BiasAdd", "y", {"x", "b"}).mutable_attr())["data_format"].set_s("NCHW");
         },
         {1, 2, 2},
         {10, 11, 22, 23}},
        {"AddV2 column by row",
         {2, 1},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("c", {3}, {10, 20, 30});
             g.operation("AddV2", "y", {"x", "c"});
         },
         {2, 3},
         {11, 21, 31, 12, 22, 32}},
        {"Add scalar, one value filling the shape",
         {2, 2},
         {1, 2, 3, 4},
         [](GraphBuilder& g) {
             g.constant("c", {2, 2}, {5, 5, 5, 5});
             g.operation("Add", "y", {"c", "x"});
         },
         {2, 2},
         {6, 7, 8, 9}},
        {"Sub",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("c", {1, 2}, {3, 5});
             g.operation("Sub", "y", {"x", "c"});
         },
         {1, 2},
         {-2, -3}},
        {"Mul",
         {1, 2},
         {3, 4},
         [](GraphBuilder& g) {
             g.constant("c", {}, {0.5F});
             g.operation("Mul", "y", {"x", "c"});
         },
         {1, 2},
         {1.5F, 2}},
        {"RealDiv",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("c", {2}, {4, 16});
             g.operation("RealDiv", "y", {"x", "c"});
         },
         {1, 2},
         {0.25F, 0.125F}},
        {"Maximum",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("c", {1}, {1.5F});
             g.operation("Maximum", "y", {"x", "c"});
         },
         {1, 2},
         {1.5F, 2}},
        {"Minimum",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("c", {1}, {1.5F});
             g.operation("Minimum", "y", {"x", "c"});
         },
         {1, 2},
         {1, 1.5F}},
        {"Relu", {1, 3}, {-1, 0, 2}, [](GraphBuilder& g) { g.operation("Relu", "y", {"x"}); }, {1, 3}, {0, 0, 2}},
        {"Tanh",
         {1, 2},
         {0.5F, -3},
         [](GraphBuilder& g) { g.operation("Tanh", "y", {"x"}); },
         {1, 2},
         {std::tanh(0.5F), std::tanh(-3.0F)}},
        {"Sigmoid",
         {1, 2},
         {0, 2},
         [](GraphBuilder& g) { g.operation("Sigmoid", "y", {"x"}); },
         {1, 2},
         {0.5F, sigmoid(2)}},
        {"Reshape with an open size",
         {1, 6},
         {1, 2, 3, 4, 5, 6},
         [](GraphBuilder& g) {
             g.shapeConstant("s", {3, -1});
             g.operation("Reshape", "r", {"x", "s"});
             g.operation("Relu", "y", {"r"});
         },
         {3, 2},
         {1, 2, 3, 4, 5, 6}},
        {"Squeeze every size 1",
         {1, 3, 1},
         {1, 2, 3},
         [](GraphBuilder& g) { g.operation("Squeeze", "y", {"x"}); },
         {3},
         {1, 2, 3}},
        {"Squeeze the dimensions named",
         {1, 3, 1},
         {1, 2, 3},
         [](GraphBuilder& g) {
             (*g.operation("Squeeze", "y", {"x"}).mutable_attr())["squeeze_dims"].mutable_list()->add_i(-1);
         },
         {1, 3},
         {1, 2, 3}},
        {"output references and control inputs",
         {1, 2},
         {1, 2},
         [](GraphBuilder& g) {
             g.constant("unread", {1}, {9});
             g.operation("Identity", "y", {"x:0", "^unread"});
         },
         {1, 2},
         {1, 2}},
    };
    for (const OperationCase& c : cases) {
        SCOPED_TRACE(c.name);
        GraphBuilder builder;
        builder.placeholder("x", Shape(c.inputShape.size(), -1));
        c.addNodes(builder);
        Session session(builder.getGraph(), "x", c.inputShape, "y:0");
        const Tensor& output = session.run(Tensor(c.inputShape, c.input));
        EXPECT_EQ(output.shape, c.outputShape);
        ASSERT_EQ(output.values.size(), c.output.size());
        for (std::size_t i = 0; i < c.output.size(); ++i) {
            EXPECT_FLOAT_EQ(output.values[i], c.output[i]) << "value " << i;
        }
    }
}

/// A sound graph (x [-1,2] · w [2,2] = y) that each row breaks.
struct RefusalCase {
    const char* expected;
    std::function<void(proto::GraphDef&)> breakGraph;
    Shape inputShape = {1, 2};
    const char* outputNode = "y";
};

proto::NodeDef& node(proto::GraphDef& graph, const std::string& name) {
    for (proto::NodeDef& candidate : *graph.mutable_node()) {
        if (candidate.name() == name) {
            return candidate;
        }
    }
    return *graph.add_node();
}

TEST(SessionTest, RefusesAFaultyGraphNamingTheNode) {
    const auto setType = [](proto::NodeDef& target, const char* attribute, proto::DataType type) {
        (*target.mutable_attr())[attribute].set_type(type);
    };
    const std::vector<RefusalCase> cases = {
        {"node \"y\": unsupported operation \"Conv2D\"", [](proto::GraphDef& g) { node(g, "y").set_op("Conv2D"); }},
        {"node \"y\": input \"v\" names no node", [](proto::GraphDef& g) { node(g, "y").set_input(1, "v"); }},
        {"node \"y\": input \"w:1\" asks for an output", [](proto::GraphDef& g) { node(g, "y").set_input(1, "w:1"); }},
        {"node \"y\": MatMul takes 2 inputs, not 1",
         [](proto::GraphDef& g) { node(g, "y").mutable_input()->RemoveLast(); }},
        {"node \"w\": is defined twice", [](proto::GraphDef& g) { *g.add_node() = node(g, "w"); }},
        {"node \"b\": depends on itself through a cycle",
         [](proto::GraphDef& g) {
             GraphBuilder cycle;
             cycle.operation("Relu", "a", {"b"});
             cycle.operation("Identity", "b", {"a"});
             g.MergeFrom(cycle.getGraph());
             node(g, "y").add_input("^b");
         }},
        {"node \"w\": depends on itself through a cycle", [](proto::GraphDef& g) { node(g, "w").add_input("^w"); }},
        {"node \"x\": type DT_INT32 is not float",
         [&setType](proto::GraphDef& g) { setType(node(g, "x"), "dtype", proto::DT_INT32); }},
        {"node \"y\": type DT_DOUBLE is not float",
         [&setType](proto::GraphDef& g) { setType(node(g, "y"), "T", proto::DT_DOUBLE); }},
        {"node \"w\": type DT_DOUBLE is not float",
         [](proto::GraphDef& g) {
             (*node(g, "w").mutable_attr())["value"].mutable_tensor()->set_dtype(proto::DT_DOUBLE);
         }},
        {"node \"y\": input \"w\" is an integer, not a float",
         [](proto::GraphDef& g) {
             GraphBuilder other;
             node(g, "w") = other.shapeConstant("w", {2, 2});
         }},
        {"node \"w\": holds 12 bytes for 4 values",
         [](proto::GraphDef& g) {
             (*node(g, "w").mutable_attr())["value"].mutable_tensor()->mutable_tensor_content()->resize(12);
         }},
        {"node \"w\": shape [2,-1] is open or too large",
         [](proto::GraphDef& g) {
             (*node(g, "w").mutable_attr())["value"].mutable_tensor()->mutable_tensor_shape()->mutable_dim(1)->set_size(
                 -1);
         }},
        {"no node \"z\"", [](proto::GraphDef&) {}, {1, 2}, "z"},
        {"node \"y\": has no output \"y:1\"", [](proto::GraphDef&) {}, {1, 2}, "y:1"},
        {"node \"x\": declared shape [-1,2] does not take an input of [1,3]", [](proto::GraphDef&) {}, {1, 3}},
        {"node \"y\": cannot multiply [1,2] by [3,2]",
         [](proto::GraphDef& g) {
             GraphBuilder other;
             node(g, "w") = other.constant("w", {3, 2}, {1, 2, 3, 4, 5, 6});
         }},
        {"node \"v\": is a placeholder but not the fed input",
         [](proto::GraphDef& g) {
             GraphBuilder second;
             second.placeholder("v", {-1, 2});
             g.MergeFrom(second.getGraph());
             node(g, "y").set_input(0, "v");
         }},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.expected);
        GraphBuilder builder;
        builder.placeholder("x", {-1, 2});
        builder.constant("w", {2, 2}, {1, 2, 3, 4});
        builder.operation("MatMul", "y", {"x", "w"});
        proto::GraphDef graph = builder.getGraph();
        c.breakGraph(graph);
        try {
            Session(graph, "x", c.inputShape, c.outputNode);
            ADD_FAILURE() << "the graph was taken";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.expected), std::string::npos) << error.what();
        }
    }
}

TEST(SessionTest, RefusesAnInputOfAnotherSizeAndRunsOnAfterwards) {
    GraphBuilder builder;
    builder.placeholder("x", {-1, 2});
    builder.constant("w", {2, 2}, {1, 2, 3, 4});
    builder.operation("MatMul", "y", {"x", "w"});
    Session session(builder.getGraph(), "x", {1, 2}, "y");
    const struct {
        Tensor input;
        const char* error;
    } wrong[] = {
        {Tensor({1, 1}, {1}), "the input holds 1 values, not 2"},
        {Tensor({1, 3}, {1, 2, 3}), "the input holds 3 values, not 2"},
        {Tensor({1, 64}), "the input holds 64 values, not 2"},
        {Tensor({1, 0}), "the input holds 0 values, not 2"},
    };
    for (const auto& run : wrong) {
        try {
            session.run(run.input);
            ADD_FAILURE() << "ran on " << run.input.values.size() << " values";
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(std::string(error.what()), run.error);
        }
        EXPECT_EQ(session.run(Tensor({1, 2}, {1, 1})).values, (std::vector<float>{4, 6}));
    }
}

/// The perceptron computed plainly, in double precision.
std::vector<double> reference(const tools::graph_generator::Perceptron& perceptron, std::vector<double> values) {
    for (const auto& layer : perceptron.layers) {
        std::vector<double> next(layer.bias.begin(), layer.bias.end());
        for (std::size_t j = 0; j < layer.outputs; ++j) {
            for (std::size_t i = 0; i < layer.inputs; ++i) {
                next[j] += values[i] * layer.weights[i * layer.outputs + j];
            }
            switch (layer.activation) {
            case Activation::RELU:
                next[j] = std::max(next[j], 0.0);
                break;
            case Activation::TANH:
                next[j] = std::tanh(next[j]);
                break;
            case Activation::SIGMOID:
                next[j] = 1.0 / (1.0 + std::exp(-next[j]));
                break;
            case Activation::LINEAR:
                break;
            }
        }
        values = next;
    }
    return values;
}

TEST(SessionTest, RandomPerceptronsMatchAPlainComputationWithoutAllocating) {
    const std::vector<std::vector<std::size_t>> sizes = {{1, 64, 64, 23}, {4, 3}, {7, 16, 5, 9}};
    std::uint32_t seed = 11;
    for (const auto& layers : sizes) {
        for (const Activation activation : {Activation::RELU, Activation::TANH, Activation::SIGMOID}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed);
            const auto perceptron = tools::graph_generator::randomPerceptron(seed++, layers, activation);
            const Shape inputShape{1, static_cast<std::int64_t>(layers.front())};
            Session session(tools::graph_generator::perceptronGraph(perceptron, "in", "out"), "in", inputShape, "out");
            Tensor input(inputShape);
            for (int pass = 0; pass < 3; ++pass) {
                std::vector<double> inputValues;
                for (std::size_t i = 0; i < layers.front(); ++i) {
                    input.values[i] = static_cast<float>(std::sin(1.0 + pass + 0.7 * i));
                    inputValues.push_back(input.values[i]);
                }
                const long allocations = modeling::testing::AllocationCounter::count();
                const Tensor& output = session.run(input);
                EXPECT_EQ(modeling::testing::AllocationCounter::count(), allocations);
                const std::vector<double> expected = reference(perceptron, inputValues);
                ASSERT_EQ(output.values.size(), expected.size());
                for (std::size_t j = 0; j < expected.size(); ++j) {
                    EXPECT_NEAR(output.values[j], expected[j], 1e-5 * (1.0 + std::abs(expected[j])));
                }
            }
        }
    }
}

} // namespace
} // namespace neural_network
} // namespace utils
